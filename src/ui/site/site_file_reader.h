#pragma once
// Reads a site file off the window's thread (a site on a network share may take a while, or
// hang), then answers on it: the site, or what to tell the user, which differs for a file that
// is not there, one that cannot be read, and one that is not a site. Only the newest read asked
// for is answered.

#include "session/site/site_file.h"

#include <QObject>

namespace zel::ui {

class SiteFileReader : public QObject {
    Q_OBJECT
public:
    explicit SiteFileReader(QObject* parent = nullptr);

    void read(const QString& path);
    bool isReading() const { return m_reads > 0; }
    // What to tell the user of a site that could not be used.
    static QString failureText(const QString& path, const session::SiteLoad& load);

signals:
    void siteRead(const QString& path, const zel::session::Site& site);
    void readFailed(const QString& message);

private:
    int m_reads = 0;  // asked for and not yet answered
    int m_newest = 0; // the number of the newest read asked for
};

} // namespace zel::ui
