#include "console/input_encoding.hpp"

#include <algorithm>
#include <utility>

namespace console {
namespace {

constexpr std::array MARKS = {
    std::pair{std::string_view("\xEF\xBB\xBF"), InputEncoding::Utf8},
    std::pair{std::string_view("\xFF\xFE"), InputEncoding::Utf16LittleEndian},
    std::pair{std::string_view("\xFE\xFF"), InputEncoding::Utf16BigEndian},
};

constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

void appendUtf8(char32_t code, std::string& text) {
    const auto byte = [&text](char32_t value) { text.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

constexpr bool isHighSurrogate(std::uint16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool isLowSurrogate(std::uint16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::optional<ByteOrderMark> byteOrderMark(std::string_view start, bool ended) {
    for (const auto& [bytes, encoding] : MARKS) {
        if (start.starts_with(bytes)) {
            return ByteOrderMark{encoding, bytes.size()};
        }
        if (!ended && bytes.starts_with(start)) {
            return std::nullopt;
        }
    }
    return ByteOrderMark{InputEncoding::Unmarked, 0};
}

void Utf16Decoder::decode(std::string_view bytes, bool ended, std::string& text) {
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (!oddByte_) {
            oddByte_ = value;
            continue;
        }
        const unsigned first = *oddByte_;
        const unsigned second = value;
        oddByte_.reset();
        unit(static_cast<std::uint16_t>(bigEndian_ ? first << 8U | second : second << 8U | first),
             text);
    }
    if (ended) {
        for (const bool leftOver : {highSurrogate_.has_value(), oddByte_.has_value()}) {
            if (leftOver) {
                appendUtf8(REPLACEMENT_CHARACTER, text);
            }
        }
        highSurrogate_.reset();
        oddByte_.reset();
    }
}

void Utf16Decoder::unit(std::uint16_t value, std::string& text) {
    if (highSurrogate_) {
        const char32_t high = *highSurrogate_;
        highSurrogate_.reset();
        if (isLowSurrogate(value)) {
            appendUtf8(0x10000 + ((high - 0xD800) << 10) + (value - 0xDC00U), text);
            return;
        }
        appendUtf8(REPLACEMENT_CHARACTER, text);
    }
    if (isHighSurrogate(value)) {
        highSurrogate_ = value;
    } else {
        appendUtf8(isLowSurrogate(value) ? REPLACEMENT_CHARACTER : value, text);
    }
}

MarkedInputBuffer::int_type MarkedInputBuffer::underflow() {
    text_.clear();
    bool ended = false;
    while (text_.empty() && !ended) {
        std::string_view bytes = take();
        ended = bytes.empty();
        if (!mark_) {
            start_.append(bytes);
            mark_ = byteOrderMark(start_, ended);
            if (!mark_) {
                continue;  // the beginning of a mark, so far
            }
            if (mark_->encoding == InputEncoding::Utf16LittleEndian ||
                mark_->encoding == InputEncoding::Utf16BigEndian) {
                utf16_.emplace(mark_->encoding == InputEncoding::Utf16BigEndian);
            }
            bytes = std::string_view(start_).substr(mark_->size);
        }
        if (utf16_) {
            utf16_->decode(bytes, ended, text_);
        } else {
            text_.assign(bytes);
        }
        start_.clear();
    }
    if (text_.empty()) {
        return traits_type::eof();
    }
    setg(text_.data(), text_.data(), text_.data() + text_.size());
    return traits_type::to_int_type(text_.front());
}

std::string_view MarkedInputBuffer::take() {
    if (traits_type::eq_int_type(source_.sgetc(), traits_type::eof())) {
        return {};
    }
    const std::streamsize held = std::clamp<std::streamsize>(
        source_.in_avail(), 1, static_cast<std::streamsize>(chunk_.size()));
    return {chunk_.data(), static_cast<std::size_t>(source_.sgetn(chunk_.data(), held))};
}

}  // namespace console
