#pragma once

#include <QString>

#include <stdexcept>

namespace runtime {

// A failing operation of the runtime layer (a file that cannot be read,
// written or deleted, a folder that does not exist, ...). The text says
// what failed and why, ready to be shown to the user.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const QString& text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    {
    }

    const QString& text() const { return m_text; }

private:
    QString m_text;
};

} // namespace runtime
