#include "ui/gefundenes_archiv.h"

#include "archive/archivorte.h"

#include <QFile>

namespace {

// A file that could not be opened: the pass's first read fails with the
// reason, as for a file that breaks off while it is read.
class UnlesbaresArchiv : public QIODevice {
public:
    explicit UnlesbaresArchiv(const QString &grund)
    {
        open(QIODevice::ReadOnly);
        setErrorString(grund);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

} // namespace

std::unique_ptr<QIODevice> gefundenesArchivOeffnen()
{
    auto datei = std::make_unique<QFile>(archivorte::erster().value_or(archivorte::dateiname));
    if (datei->open(QIODevice::ReadOnly))
        return datei;
    return std::make_unique<UnlesbaresArchiv>(datei->errorString());
}
