#pragma once

#include <utility>

// The first step of a property setter: store the value when it differs from the field's and
// say whether it did. A setter reads
//     if (!AssignIfChanged(m_field, value))
//         return;
//     ...react, then update()...
// so that assigning the value a property already holds costs nothing and repaints nothing.
template <class Field, class Value> bool AssignIfChanged(Field &field, Value &&value)
{
    if (field == value)
        return false;
    field = std::forward<Value>(value);
    return true;
}
