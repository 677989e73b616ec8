#pragma once
// A record's fields listed one by one, each with whether the picture shows
// it and which resets put it back to the value it was built with.  The
// redraw fingerprint and the resets read these lists, so what they cover is
// decided once, beside the record.  Each list is kept complete by the
// compiler: beside it, a structured binding names as many fields as the
// record has, and a static_assert holds the list to that count.

#include <tuple>
#include <type_traits>

// Whether a change to a field changes the picture (the fingerprint covers it).
struct Shown {};
struct Unseen {};
constexpr Shown kShown{};
constexpr Unseen kUnseen{};

// The resets that put a field back to its built value (flags).
enum FieldReset : unsigned {
    kKept = 0,            // no reset touches it
    kClearAnimation = 1,  // Tile::clearAnimation
    kBlankCell = 2,       // Tile::resetToBlank
    kNewGame = 4,         // clearGame
};

template <typename Record, typename Value, typename Seen>
struct Field {
    Value Record::*member;
    Seen seen;
    unsigned resets;  // FieldReset flags

    static constexpr bool shown = std::is_same_v<Seen, Shown>;
};
template <typename Record, typename Value, typename Seen>
Field(Value Record::*, Seen, unsigned) -> Field<Record, Value, Seen>;

// Calls visit(field) for each field of the list, in order.
template <typename Fields, typename Visit>
void forEachField(const Fields& fields, Visit&& visit)
{
    std::apply([&](const auto&... field) { (visit(field), ...); }, fields);
}

// Calls add(value) for each shown field of the record, in order.
template <typename Record, typename Fields, typename Add>
void forEachShownValue(const Record& record, const Fields& fields, Add&& add)
{
    forEachField(fields, [&](const auto& field) {
        if constexpr (std::decay_t<decltype(field)>::shown)
            add(record.*field.member);
    });
}

// Copies from `built` every field of the list that `reset` puts back.
template <typename Record, typename Fields>
void restoreFields(Record& record, const Record& built, const Fields& fields, FieldReset reset)
{
    forEachField(fields, [&](const auto& field) {
        if (field.resets & reset)
            record.*field.member = built.*field.member;
    });
}
