#include "actions/keysend/repeat_count.h"

#include <optional>
#include <string_view>

#include "actions/keysend/key_sender.h"

namespace pultara {

namespace {

std::optional<unsigned> DigitValue(char c, unsigned base) {
    unsigned value = base;
    if (c >= '0' && c <= '9') {
        value = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
        value = static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
        value = static_cast<unsigned>(c - 'A' + 10);
    }
    if (value >= base) {
        return std::nullopt;
    }
    return value;
}

// The digits as a number no larger than `limit`; nothing when a digit is
// wrong, there are none, or the number is too large.
std::optional<std::uint64_t> ReadDigits(std::string_view digits, unsigned base,
                                        std::uint64_t limit) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (char c : digits) {
        const std::optional<unsigned> digit = DigitValue(c, base);
        if (!digit) {
            return std::nullopt;
        }
        number = number * base + *digit;
        if (number > limit) {
            return std::nullopt;
        }
    }
    return number;
}

// Takes the hexadecimal marker off the front, if there is one.
bool TakeHexPrefix(std::string_view& rest) {
    for (std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
        if (rest.starts_with(prefix)) {
            rest.remove_prefix(prefix.size());
            return true;
        }
    }
    return false;
}

std::optional<std::int64_t> ParseInteger(std::string_view rest) {
    while (rest.starts_with(' ')) {
        rest.remove_prefix(1);
    }
    bool negative = false;
    if (rest.starts_with('+') || rest.starts_with('-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    std::optional<std::int64_t> magnitude;
    if (TakeHexPrefix(rest)) {
        // Hexadecimal fills all 32 bits: $FFFFFFFF is -1.
        if (const auto bits = ReadDigits(rest, 16, 0xFFFFFFFFu)) {
            magnitude = static_cast<std::int32_t>(static_cast<std::uint32_t>(*bits));
        }
    } else {
        const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
        if (const auto number = ReadDigits(rest, 10, limit)) {
            magnitude = static_cast<std::int64_t>(*number);
        }
    }
    if (!magnitude) {
        return std::nullopt;
    }
    return negative ? -*magnitude : *magnitude;
}

}  // namespace

std::uint16_t ParseRepeatCount(const std::string& text) {
    const std::optional<std::int64_t> number = ParseInteger(text);
    if (!number) {
        throw KeyCommandError("'" + text + "' ist kein gültiger Integerwert");
    }
    return static_cast<std::uint16_t>(static_cast<std::uint64_t>(*number) & 0xFFFFu);
}

}  // namespace pultara
