#include "DynamicSymbols.h"

#include <cstring>
#include <elf.h>
#include <fstream>
#include <iterator>
#include <vector>

namespace testsupport
{
namespace
{
template <typename Record>
bool readAt(const std::vector<char>& bytes, std::size_t offset, Record& record)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof record)
        return false;
    std::memcpy(&record, bytes.data() + offset, sizeof record);
    return true;
}
} // namespace

std::set<std::string> definedDynamicSymbols(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};

    Elf64_Ehdr header{};
    if (!readAt(bytes, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr))
    {
        error = path + ": not a 64-bit ELF file";
        return {};
    }

    const auto sectionAt = [&](std::size_t index, Elf64_Shdr& section)
    {
        return index < header.e_shnum &&
               readAt(bytes, header.e_shoff + index * sizeof section, section);
    };

    for (std::size_t index = 0; index < header.e_shnum; ++index)
    {
        Elf64_Shdr table{};
        Elf64_Shdr names{};
        if (!sectionAt(index, table) || table.sh_type != SHT_DYNSYM)
            continue;
        if (!sectionAt(table.sh_link, names) || names.sh_offset > bytes.size() ||
            bytes.size() - names.sh_offset < names.sh_size)
            break;

        std::set<std::string> defined;
        for (std::size_t entry = 0; entry < table.sh_size / sizeof(Elf64_Sym); ++entry)
        {
            Elf64_Sym symbol{};
            if (!readAt(bytes, table.sh_offset + entry * sizeof symbol, symbol))
                break;
            const auto binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || symbol.st_name >= names.sh_size ||
                (binding != STB_GLOBAL && binding != STB_WEAK && binding != STB_GNU_UNIQUE))
                continue;
            const char* const name = bytes.data() + names.sh_offset + symbol.st_name;
            defined.emplace(name, strnlen(name, names.sh_size - symbol.st_name));
        }
        return defined;
    }

    error = path + ": no dynamic symbol table";
    return {};
}
} // namespace testsupport
