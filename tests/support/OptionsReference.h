#pragma once

class Settings;
class TDataFile;

// The "OPTIONS" entries written one call at a time, in the order the settings window saves
// them, spelled out here a second time so that tests compare the library with a sequence
// it did not produce.
void WriteOptionsOneByOne(TDataFile& file, const Settings& s);
