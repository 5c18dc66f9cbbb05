#pragma once

#include <QtGlobal>

// One line of a register table as its map writes it: one register, or a run of registers a-b with the
// same columns. Along a run, ids x-y rise by one a row; an id of 0 or -1 stays the same. A run of a
// two-register type steps two registers a row. Scada::fillTable expands the lines into the table.
//
// A map writes its lines the way its own table reads:
//   - every column, in the order Register, Id, Op, Ph, Un, Type, Coef, Min, Max:
//         {258, 2, 1, 9, 0, 4, 0.1, 0, 65535},
//         {{258, 260}, {709, 711}, 1, 8, 0, 4, 1, 0, 500},
//   - or its defaults once, then only the columns that differ on each line:
//         constexpr ScadaRow R = ScadaRow().op(2).range(0, 65535);   // the map's defaults
//         R.at(1).id(580).range(1, 247),
//         R.at(40042, 40045).ids(20028, 20029).physic(25).type(5).coef(0.1),   // two two-register rows
//         R.at(455, 474).reserved().op(1),
//         R.at(130, 133).ids(511, 514).coef(0.001).valueRange(0.001, 9.999),   // raw 1...9999
class ScadaRow
{
public:
    // Registers a-b, or ids x-y; one number for a single one.
    struct Span {
        constexpr Span(int one) : first(one), last(one) {}
        constexpr Span(int a, int b) : first(a), last(b) {}
        int first;
        int last;
    };

    // Read-only, type 4, coefficient 1, range 0...0: change what the map's table differs in.
    constexpr ScadaRow() = default;
    constexpr ScadaRow(Span registers, Span ids, int op, int physic, int unit, int type, double coef, double min,
                       double max)
        : first_(registers.first), last_(registers.last), id_(ids.first), lastId_(ids.last), operation_(op),
          physic_(physic), unit_(unit), dataType_(type), coefficient_(coef), min_(min), max_(max)
    {
    }

    // Each setter copies the row and sets its fields itself: clang cannot evaluate a member template called from
    // inside the class in a constant expression.
    constexpr ScadaRow at(int address) const { return at(address, address); }
    constexpr ScadaRow at(int first, int last) const
    {
        ScadaRow r = *this;
        r.first_ = first;
        r.last_ = last;
        return r;
    }
    constexpr ScadaRow id(int id) const { return ids(id, id); }
    constexpr ScadaRow ids(int first, int last) const
    {
        ScadaRow r = *this;
        r.id_ = first;
        r.lastId_ = last;
        return r;
    }
    // Filled by the map's calcParams, or a command that its setNewValue turns into parameter writes.
    constexpr ScadaRow computed() const { return id(0); }
    constexpr ScadaRow reserved() const { return id(-1); }
    constexpr ScadaRow op(int v) const
    {
        ScadaRow r = *this;
        r.operation_ = v;
        return r;
    }
    constexpr ScadaRow physic(int v) const
    {
        ScadaRow r = *this;
        r.physic_ = v;
        return r;
    }
    constexpr ScadaRow unit(int v) const
    {
        ScadaRow r = *this;
        r.unit_ = v;
        return r;
    }
    constexpr ScadaRow type(int v) const
    {
        ScadaRow r = *this;
        r.dataType_ = v;
        return r;
    }
    constexpr ScadaRow coef(double v) const
    {
        ScadaRow r = *this;
        r.coefficient_ = v;
        return r;
    }
    constexpr ScadaRow range(double min, double max) const
    {
        ScadaRow r = *this;
        r.min_ = min;
        r.max_ = max;
        return r;
    }
    // A range that the table gives in the value's units (0.001...9.999 at coefficient 0.001): the raw
    // register range is that divided by the coefficient, so set the coefficient first.
    constexpr ScadaRow valueRange(double min, double max) const
    {
        return coefficient_ == 0.0 ? range(min, max) : range(min / coefficient_, max / coefficient_);
    }

private:
    friend class Scada;

    int first_ = 0;
    int last_ = 0;
    int id_ = 0;
    int lastId_ = 0;
    int operation_ = 1;
    int physic_ = 0;
    int unit_ = 0;
    int dataType_ = 4;
    double coefficient_ = 1.0;
    double min_ = 0.0;
    double max_ = 0.0;
};
