// The logic of a text view bound to one field of a table: it shows that field of the current row.
#pragma once

#include "data/subscription.h"
#include "data/table.h"

#include <functional>
#include <string>

namespace data {

// Follows the table through its change notifications and hands the text to show to the sink;
// a closed table, the end of the rows or a NULL value show as blank.
class FieldBinding {
public:
    using Sink = std::function<void(const std::wstring&)>;

    explicit FieldBinding(Sink sink);
    FieldBinding(const FieldBinding&) = delete;
    FieldBinding& operator=(const FieldBinding&) = delete;

    // Throws base::Error if the table is open and lacks the field; bound to a closed table, a missing
    // field shows up as the error of the Open that follows. An empty field name unbinds; binding
    // again to the field it shows does nothing.
    void Bind(Table& table, std::wstring field);
    void Unbind();

private:
    void Show() const;

    Sink sink_;
    Table* table_ = nullptr;
    std::wstring field_;
    Subscription subscription_;
};

}  // namespace data
