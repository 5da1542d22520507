#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Takes typed values off the front of a fuzzer's input.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T> T Take() {
        T value{};
        const std::size_t n = std::min(sizeof(T), size_);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    std::string Text(std::size_t maxLength) {
        const std::size_t n = std::min<std::size_t>(Take<std::uint8_t>() % (maxLength + 1), size_);
        std::string text(reinterpret_cast<const char*>(data_), n);
        data_ += n;
        size_ -= n;
        return text;
    }
    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(data_), size_);
        size_ = 0;
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};
