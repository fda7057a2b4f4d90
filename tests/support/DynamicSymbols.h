#pragma once

#include <set>
#include <string>

namespace testsupport
{
// The names a shared object defines in its dynamic symbol table: what a host that loads it, or
// any library loaded after it into the global scope, can bind to. Read from the ELF file itself,
// not through the loader. Sets error and answers nothing when the file is no 64-bit ELF object
// with a dynamic symbol table.
std::set<std::string> definedDynamicSymbols(const std::string& path, std::string& error);
} // namespace testsupport
