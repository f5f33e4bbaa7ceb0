#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one family of errors that end a user's action: each carries the text the user reads. The window's
// error boundary and the command line's main catch Error once; what() gives the same text as UTF-8.
class Error : public std::exception
{
public:
    explicit Error(QString text)
        : message(std::move(text))
        , m_utf8(message.toUtf8())
    {
    }
    const char* what() const noexcept override { return m_utf8.constData(); }

    QString message;

private:
    QByteArray m_utf8;
};

// An input or output operation on a file failed; the text names the file.
struct FileError : Error
{
    using Error::Error;
};
