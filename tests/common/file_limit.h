// A file-size limit for the length of a call: writes past it fail with
// EFBIG, as a full disk makes them fail, at any offset.
#pragma once

#include <functional>
#include <sys/resource.h>

void with_file_size_limit(rlim_t bytes, const std::function<void()>& f);
