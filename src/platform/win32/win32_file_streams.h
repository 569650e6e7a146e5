#pragma once
#include <memory>
#include <string>

#include "platform/files.h"

namespace vesk::platform::win32 {

// A new or emptied file written in sequence. Others may read it meanwhile
// (a recording can be copied while it grows) but not write it.
std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path);

// An existing file read in sequence, with every kind of sharing allowed.
std::unique_ptr<InputFile> OpenInputFile(const std::string& path);

}  // namespace vesk::platform::win32
