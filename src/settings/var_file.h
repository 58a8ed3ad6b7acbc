// The settings file: the store is loaded from the INI file in the
// preference folder at start-up and written back, whole, at exit.
#pragma once

// Keys that are missing, malformed or out of range keep their value.
void var_load();
// Replaces the file only when the new one was written completely, as
// fio_replace does; a save that cannot be done leaves the file as it was
// and says so once on stderr.
void var_save();
