#pragma once

#include <QString>

#include <memory>

// The folder a download waits in: new, named vettora-update-…, in a folder of this user's
// that no other user can write to (所在), and this updater's alone while it runs. It goes
// with what is in it when the object goes, unless it is left to an installer that runs
// from it; such a folder, and one an updater that was ended by force left behind, is
// removed by the next updater, once nothing uses it any more. A file per system.
class 下载目录 {
public:
    下载目录();
    ~下载目录();
    下载目录(const 下载目录&) = delete;
    下载目录& operator=(const 下载目录&) = delete;

    // Removes what earlier updaters left, as far as nothing uses it.
    static void 清理遗留();
    static QString 所在();

    bool 有效() const { return !m_路径.isEmpty(); }
    QString 文件(const QString& 名) const { return m_路径 + QLatin1Char('/') + 名; }
    // An installer runs from it: it stays, for the next updater to remove.
    void 留下() { m_留下 = true; }

private:
    struct 占有;
    QString m_路径;
    std::unique_ptr<占有> m_占有;
    bool m_留下 = false;
};
