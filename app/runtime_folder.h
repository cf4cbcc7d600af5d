#pragma once

#include <QByteArray>

// Qt asks for the user's runtime folder while the application object connects to the
// desktop, and where the environment names none it can use (after su or sudo, in a
// container) it makes one in the temporary folder and says so on the terminal. Made before
// the application object and told when it is there, this gives Qt a usable one meanwhile:
// the user's own from the login, or else a private empty folder, gone again at once.
class 运行目录 {
public:
    运行目录();
    ~运行目录();
    运行目录(const 运行目录&) = delete;
    运行目录& operator=(const 运行目录&) = delete;

    // The application object is there: the environment is as it was given.
    void 还原();

private:
    QByteArray m_临时;
    QByteArray m_原值;
    bool m_原有 = false;
};
