// Temporary stand-in for the overlay command layer's viewer interface until
// that layer is merged; same declarations.
#pragma once
#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <tuple>
#include <type_traits>
#include "overlay_vocabulary.h"

namespace overlay_detail {
UINT SendFormatted(UINT verb, UINT format, const char* (*fill)(const char*, char*, size_t, const void*),
                   const void* values);
template <class T>
auto PrintfValue(T v)
{
    if constexpr (std::is_same_v<T, HWND>)
        return static_cast<int>(reinterpret_cast<intptr_t>(v));
    else if constexpr (std::is_pointer_v<T> && !std::is_same_v<std::decay_t<T>, const char*> &&
                       !std::is_same_v<std::decay_t<T>, char*>)
        return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(v));
    else
        return v;
}
}  // namespace overlay_detail

template <class... Args>
UINT SendOverlayCommand(UINT verb, UINT format, Args... args)
{
    auto values = std::make_tuple(overlay_detail::PrintfValue(args)...);
    auto fill = [](const char* fmt, char* out, size_t size, const void* v) -> const char* {
        std::apply([&](auto... a) { std::snprintf(out, size, fmt, a...); },
                   *static_cast<const decltype(values)*>(v));
        return out;
    };
    return overlay_detail::SendFormatted(verb, format, fill, &values);
}

bool ShowOverlayErrors(bool on);
void SetIndicatorSignal(UINT msg, HWND wnd);
const char* OverlayReply();
void SetOverlayDeviceOpen();
bool IsOverlayDeviceOpen();
