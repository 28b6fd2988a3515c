#include "settings/IniText.h"

namespace taleno {

namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool NeedsEscape(const std::string& bytes) {
    if (bytes.empty()) return false;
    const char first = bytes.front();
    if (first == ';' || first == '[' || first == '%' || first == ' ' || bytes.back() == ' ') {
        return true;
    }
    for (const char c : bytes) {
        if (c == '=' || IsControl(static_cast<unsigned char>(c))) return true;
    }
    return false;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string IniText(const std::string& bytes) {
    if (!NeedsEscape(bytes)) return bytes;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::size_t trailing = bytes.find_last_not_of(' ');
    trailing = (trailing == std::string::npos) ? 0 : trailing + 1;  // first trailing space
    std::string text = "%";
    text.reserve(bytes.size() + 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '%' || c == '=' || IsControl(c) || (c == ' ' && i >= trailing)) {
            text += '%';
            text += kHex[c >> 4];
            text += kHex[c & 0x0F];
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

std::string BytesFromIniText(const std::string& text) {
    if (text.empty() || text.front() != '%') return text;
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 1; i < text.size(); ++i) {
        const bool escape = text[i] == '%' && i + 2 < text.size();
        const int high = escape ? HexValue(text[i + 1]) : -1;
        const int low = escape ? HexValue(text[i + 2]) : -1;
        if (high >= 0 && low >= 0) {
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

}  // namespace taleno
