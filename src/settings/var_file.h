// The settings file: the store is loaded from the INI file in the
// preference folder at start-up and written back, whole, at exit.
#pragma once

// Keys that are missing, malformed or out of range keep their value.
void var_load();
// Replaces the file only when the new one was written completely; a link
// keeps pointing at it and it keeps its mode. A file with other names, or
// in a folder that takes no new file, is rewritten in place instead. A name
// that is no regular file (FIFO, device, folder) is left as it is.
void var_save();
