#include "records/tbaccrec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

bool isnotgiven(double value)
{
    // Rounded half to even, like the grid and the reports.
    return std::nearbyint(value) == notgivenreal;
}

std::string getshortstring(const tbrewkitstring& s) { return std::string(shortstringview(s)); }

void setshortstring(tbrewkitstring& s, std::string_view text)
{
    const std::size_t len = std::min(text.size(), shortstringmax);
    s.len = static_cast<std::uint8_t>(len);
    std::memcpy(s.text, text.data(), len);
    std::memset(s.text + len, 0, shortstringmax - len);
}

namespace {

void putintoarray(std::string_view text, char* array, std::size_t size)
{
    const std::size_t len = std::min(text.size(), size - 1);
    std::memcpy(array, text.data(), len);
    array[len] = '\0';
}

std::string getfromarray(const char* array, std::size_t size)
{
    const std::size_t max = size - 1;
    const void* zero = std::memchr(array, '\0', max);
    const std::size_t len = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - array) : max;
    return std::string(array, len);
}

}  // namespace

void putintonotes(std::string_view text, tbaccrec& rec) { putintoarray(text, rec.notes, notessize); }
void putintoextracts(std::string_view text, tbaccrec& rec) { putintoarray(text, rec.extracts, extractssize); }
std::string getnotesstring(const tbaccrec& rec) { return getfromarray(rec.notes, notessize); }
std::string getextractsstring(const tbaccrec& rec) { return getfromarray(rec.extracts, extractssize); }
