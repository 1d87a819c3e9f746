#include "store/utf8.h"

#include <QChar>

namespace obzorka::store::utf8 {
namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte opens, 0 for a byte that cannot open one.
size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// Writes code as UTF-8 at out and returns the position after it.
char* append(char* out, char32_t code)
{
    if (code < 0x80) {
        *out++ = char(code);
    } else if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
        *out++ = char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    }
    return out;
}

} // namespace

size_t lower(std::string_view text, char* out)
{
    char* write = out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            *write++ = lead >= 'A' && lead <= 'Z' ? char(lead + ('a' - 'A')) : char(lead);
            ++i;
            continue;
        }
        const size_t length = sequenceLength(lead);
        bool valid = length > 1 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = isContinuation(static_cast<unsigned char>(text[i + k]));
        if (!valid) {
            *write++ = char(lead); // not UTF-8: kept as it is
            ++i;
            continue;
        }
        char32_t code = lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        write = append(write, QChar::toLower(code));
        i += length;
    }
    return size_t(write - out);
}

long long find(std::string_view text, std::string_view needle, long long start)
{
    // Skip start - 1 characters.
    size_t from = 0;
    for (long long skipped = 1; skipped < start; ++skipped) {
        if (from >= text.size())
            return 0;
        ++from;
        while (from < text.size() && isContinuation(static_cast<unsigned char>(text[from])))
            ++from;
    }
    const size_t at = text.find(needle, from);
    if (at == std::string_view::npos)
        return 0;
    long long position = 1;
    for (size_t i = 0; i < at; ++i)
        position += isContinuation(static_cast<unsigned char>(text[i])) ? 0 : 1;
    return position;
}

} // namespace obzorka::store::utf8
