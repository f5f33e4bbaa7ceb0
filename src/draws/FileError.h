#pragma once

#include <QString>

// Thrown by the file layer when an input or output operation fails; the text is ready to show.
struct FileError
{
    QString message;
};
