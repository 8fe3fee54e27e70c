// Per-class tables of messages, commands and command-state updaters.
//
// A class derives from Routed<Itself, Base> and declares, as public static
// constexpr arrays next to its members, any of
//     kMessages : {message id, handler}        handler: LRESULT (const Message&)
//     kCommands : {command id, handler}        handler: void ()
//     kUpdates  : {command id, updater}        updater: void (CCmdUI&)
// Lookups try the class's own table first and then its base class's.
#pragma once
#include "cmd_target.h"
#include "message.h"
#include <type_traits>

namespace framework {

template <class T>
struct MessageEntry {
    using Handler = LRESULT (T::*)(const Message&);
    constexpr MessageEntry(UINT message, Handler h) : id(message), registered(nullptr), handler(h) {}
    // A message registered by name at run time: the entry keeps the address
    // of the variable that will hold its number.
    constexpr MessageEntry(const UINT* registeredId, Handler h) : id(0), registered(registeredId), handler(h) {}
    bool Matches(UINT message) const { return registered ? (*registered != 0 && *registered == message) : id == message; }
    UINT id;
    const UINT* registered;
    Handler handler;
};

// Menu, tool bar and accelerator commands arrive with notify code 0 or 1;
// an entry for a control notification names its code.
constexpr UINT kAnyMenuCode = 0xFFFFFFFF;

template <class T>
struct CommandEntry {
    using Handler = void (T::*)();
    constexpr CommandEntry(UINT command, Handler h) : id(command), code(kAnyMenuCode), handler(h) {}
    constexpr CommandEntry(UINT command, UINT notifyCode, Handler h) : id(command), code(notifyCode), handler(h) {}
    bool Matches(UINT command, UINT notifyCode) const
    {
        return id == command && (code == kAnyMenuCode ? notifyCode <= 1 : code == notifyCode);
    }
    UINT id;
    UINT code;
    Handler handler;
};

template <class T>
struct UpdateEntry {
    using Updater = void (T::*)(CCmdUI&);
    UINT id;
    Updater updater;
};

namespace detail {
template <class T, class = void> struct HasMessages : std::false_type {};
template <class T> struct HasMessages<T, std::void_t<decltype(T::kMessages)>> : std::true_type {};
template <class T, class = void> struct HasCommands : std::false_type {};
template <class T> struct HasCommands<T, std::void_t<decltype(T::kCommands)>> : std::true_type {};
template <class T, class = void> struct HasUpdates : std::false_type {};
template <class T> struct HasUpdates<T, std::void_t<decltype(T::kUpdates)>> : std::true_type {};
}  // namespace detail

template <class Derived, class Base>
class Routed : public Base {
public:
    using Base::Base;

    bool HandleMessage(const Message& m, LRESULT& result) override
    {
        if constexpr (detail::HasMessages<Derived>::value) {
            for (const auto& e : Derived::kMessages) {
                if (e.Matches(m.id)) {
                    result = (static_cast<Derived*>(this)->*e.handler)(m);
                    return true;
                }
            }
        }
        return Base::HandleMessage(m, result);
    }

    bool HandleCommand(UINT id, UINT code) override
    {
        if constexpr (detail::HasCommands<Derived>::value) {
            for (const auto& e : Derived::kCommands) {
                if (e.Matches(id, code)) {
                    (static_cast<Derived*>(this)->*e.handler)();
                    return true;
                }
            }
        }
        return Base::HandleCommand(id, code);
    }

    bool HasCommand(UINT id) const override
    {
        if constexpr (detail::HasCommands<Derived>::value) {
            for (const auto& e : Derived::kCommands)
                if (e.Matches(id, 0))
                    return true;
        }
        return Base::HasCommand(id);
    }

    bool HandleUpdate(CCmdUI& ui) override
    {
        if constexpr (detail::HasUpdates<Derived>::value) {
            for (const auto& e : Derived::kUpdates) {
                if (e.id == ui.Id()) {
                    (static_cast<Derived*>(this)->*e.updater)(ui);
                    return true;
                }
            }
        }
        return Base::HandleUpdate(ui);
    }
};

}  // namespace framework
