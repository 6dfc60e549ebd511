#pragma once
#include <utility>
#include <variant>

#include "io/IoError.h"

namespace tarvis::io {

// A value or the error that prevented it.
template <typename T> class Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(IoError error) : v_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(v_); }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<T>(v_); }
    const T& value() const { return std::get<T>(v_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() { return value(); }
    const IoError& error() const { return std::get<IoError>(v_); }

private:
    std::variant<T, IoError> v_;
};

// For operations that return nothing but may fail.
struct Done {};
using Status = Result<Done>;

}  // namespace tarvis::io
