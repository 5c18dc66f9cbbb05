#pragma once

#include <QString>

// The embedded parameter database, copied beside the program at every start.
class Database
{
public:
    static constexpr const char* kFileName = "rvk_gui.sqlite";

    // Copies the embedded database to `dir`/rvk_gui.sqlite and opens it as the default connection.
    static bool install(const QString& dir, QString* error = nullptr);
    static void close();
};
