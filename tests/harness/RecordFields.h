#pragma once
// Reads the record's names against the running game: a picture or sound by
// its catalog name, and a field of the game state by the name the record uses.
// Only names are looked up here; every value compared comes from the record.

#include <map>
#include <string>
#include <vector>

#include "RecordingPlatform.h"
#include "core/GameState.h"

// The picture or persistent sound of that catalog name; the test fails (and
// TextureCount or SoundCount is returned) when the catalog has no such name.
TextureId TextureNamed(const std::string& name);
SoundId SoundNamed(const std::string& name);
std::string NameOf(TextureId texture);

// The number-like fields that scene rows, uses and closing lines set; flags
// read as 1 or 0.
const std::vector<std::string>& RecordedFieldNames();
bool IsRecordedField(const std::string& name);
double FieldValue(const GameState& state, const std::string& name);
void SetFieldValue(GameState& state, const std::string& name, double value);
bool IsFlagField(const std::string& name);

// The start, stop and loop calls each persistent sound received, in order.
std::map<SoundId, std::vector<SoundCall::Kind>> PersistentCallsBySound(const std::vector<SoundCall>& calls);
