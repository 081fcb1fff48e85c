#pragma once
// Every call of the global operator new in the program that links
// CountingNew.cpp is counted here.

long AllocationCount();
