#pragma once
// Where the tests find the built programs and the source tree.
#include <QString>

inline QString cliPath() {
    return QStringLiteral(KT_M40_CLI_PATH);
}
inline QString sourceDir() {
    return QStringLiteral(KT_M40_SOURCE_DIR);
}
