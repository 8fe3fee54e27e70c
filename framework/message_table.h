// Per-class tables of messages, commands and command-state updaters.
//
// A class derives from Routed<Itself, Base> and declares, as static constexpr
// arrays next to its members (protected, with TableAccess as a friend), any of
//     kMessages : {message id, handler}        handler: LRESULT (const Message&)
//     kCommands : {command id, handler}        handler: void ()
//                 {IdRange{first, last}, h}    h: void (UINT id), for each id of the range
//     kUpdates  : {command id, updater}        updater: void (CCmdUI&)
//                 {IdRange{first, last}, u}    the same updater for each id of the range
// Lookups try the class's own table first and then its base class's.
#pragma once
#include "cmd_target.h"
#include "message.h"
#include <type_traits>

namespace framework {

// Consecutive command ids, both ends included.
struct IdRange {
    UINT first;
    UINT last;
    constexpr bool Contains(UINT id) const { return id >= first && id <= last; }
};

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
    using RangeHandler = void (T::*)(UINT id);
    constexpr CommandEntry(UINT command, Handler h) : ids{command, command}, code(kAnyMenuCode), handler(h) {}
    constexpr CommandEntry(UINT command, UINT notifyCode, Handler h) : ids{command, command}, code(notifyCode), handler(h) {}
    constexpr CommandEntry(IdRange range, RangeHandler h) : ids(range), code(kAnyMenuCode), rangeHandler(h) {}
    bool Matches(UINT command, UINT notifyCode) const
    {
        return ids.Contains(command) && (code == kAnyMenuCode ? notifyCode <= 1 : code == notifyCode);
    }
    void Run(T& target, UINT command) const
    {
        if (rangeHandler)
            (target.*rangeHandler)(command);
        else
            (target.*handler)();
    }
    IdRange ids;
    UINT code;
    Handler handler = nullptr;
    RangeHandler rangeHandler = nullptr;
};

template <class T>
struct UpdateEntry {
    using Updater = void (T::*)(CCmdUI&);
    constexpr UpdateEntry(UINT command, Updater u) : ids{command, command}, updater(u) {}
    constexpr UpdateEntry(IdRange range, Updater u) : ids(range), updater(u) {}
    IdRange ids;
    Updater updater;
};

// Reads a class's tables for Routed; a class that keeps its tables
// protected names this as a friend.
struct TableAccess {
    template <class T, class = void> struct HasMessages : std::false_type {};
    template <class T> struct HasMessages<T, std::void_t<decltype(T::kMessages)>> : std::true_type {};
    template <class T, class = void> struct HasCommands : std::false_type {};
    template <class T> struct HasCommands<T, std::void_t<decltype(T::kCommands)>> : std::true_type {};
    template <class T, class = void> struct HasUpdates : std::false_type {};
    template <class T> struct HasUpdates<T, std::void_t<decltype(T::kUpdates)>> : std::true_type {};

    template <class T> static const auto& Messages() { return T::kMessages; }
    template <class T> static const auto& Commands() { return T::kCommands; }
    template <class T> static const auto& Updates() { return T::kUpdates; }
};

template <class Derived, class Base>
class Routed : public Base {
public:
    using Base::Base;

    bool HandleMessage(const Message& m, LRESULT& result) override
    {
        if constexpr (TableAccess::HasMessages<Derived>::value) {
            for (const auto& e : TableAccess::Messages<Derived>()) {
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
        if constexpr (TableAccess::HasCommands<Derived>::value) {
            for (const auto& e : TableAccess::Commands<Derived>()) {
                if (e.Matches(id, code)) {
                    e.Run(*static_cast<Derived*>(this), id);
                    return true;
                }
            }
        }
        return Base::HandleCommand(id, code);
    }

    bool HasCommand(UINT id) const override
    {
        if constexpr (TableAccess::HasCommands<Derived>::value) {
            for (const auto& e : TableAccess::Commands<Derived>())
                if (e.Matches(id, 0))
                    return true;
        }
        return Base::HasCommand(id);
    }

    bool HandleUpdate(CCmdUI& ui) override
    {
        if constexpr (TableAccess::HasUpdates<Derived>::value) {
            for (const auto& e : TableAccess::Updates<Derived>()) {
                if (e.ids.Contains(ui.Id())) {
                    (static_cast<Derived*>(this)->*e.updater)(ui);
                    return true;
                }
            }
        }
        return Base::HandleUpdate(ui);
    }
};

}  // namespace framework
