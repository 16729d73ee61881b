// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScritturaFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace ScritturaFile {

#ifdef Q_OS_UNIX

namespace {

Esito DaErrore(int errore)
{
    switch (errore) {
    case ENOENT:
    case ENOTDIR:
        return Esito::CartellaAssente;
    case EACCES:
    case EPERM:
        return Esito::CartellaNegata;
    case EROFS:
        return Esito::DiscoSolaLettura;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Esito::DiscoPieno;
    case EISDIR:
        return Esito::NomeDiCartella;
    default:
        return Esito::Altro;
    }
}

// Writes everything to `fd`; the error number, or 0.
int ScriviTutto(int fd, const QByteArray& dati)
{
    qsizetype fatto = 0;
    while (fatto < dati.size()) {
        const ssize_t n = ::write(fd, dati.constData() + fatto, static_cast<size_t>(dati.size() - fatto));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // A disk that takes nothing more without saying why is a full one.
        if (n == 0)
            return ENOSPC;
        fatto += n;
    }
    return 0;
}

// The permissions a new file gets from this user's mask.
mode_t PermessiNuovoFile()
{
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}

} // namespace

Esito Scrivi(const QString& file, const QByteArray& dati)
{
    const QFileInfo info(file);
    if (info.isDir())
        return Esito::NomeDiCartella;
    const QString cartella = info.absolutePath();
    if (!QFileInfo(cartella).isDir())
        return Esito::CartellaAssente;
    const QByteArray percorso = QFile::encodeName(info.absoluteFilePath());
    const QByteArray percorsoCartella = QFile::encodeName(cartella);

    struct statvfs disco;
    if (::statvfs(percorsoCartella.constData(), &disco) == 0 && (disco.f_flag & ST_RDONLY))
        return Esito::DiscoSolaLettura;
    struct stat esistente;
    const bool esiste = ::stat(percorso.constData(), &esistente) == 0;
    // A file marked read-only, or one this user may not write, was meant to be kept.
    if (esiste && ((esistente.st_mode & 0222) == 0 || ::access(percorso.constData(), W_OK) != 0))
        return Esito::FileNonSostituibile;

    // The new file beside the old one, hidden, under a name no one else uses.
    QByteArray temporaneo =
        QFile::encodeName(QDir(cartella).filePath(QLatin1Char('.') + info.fileName())) + QByteArrayLiteral(".XXXXXX");
    const int fd = ::mkostemp(temporaneo.data(), O_CLOEXEC);
    if (fd < 0)
        return DaErrore(errno);
    int errore = ScriviTutto(fd, dati);
    if (errore == 0 && ::fsync(fd) != 0)
        errore = errno;
    if (errore == 0 && ::fchmod(fd, esiste ? (esistente.st_mode & 07777) : PermessiNuovoFile()) != 0)
        errore = errno;
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    if (errore == 0 && ::rename(temporaneo.constData(), percorso.constData()) != 0) {
        errore = errno;
        // The folder took the new file, so what refused is the old one.
        if ((errore == EACCES || errore == EPERM) && esiste) {
            ::unlink(temporaneo.constData());
            return Esito::FileNonSostituibile;
        }
    }
    if (errore != 0) {
        ::unlink(temporaneo.constData());
        return DaErrore(errore);
    }
    return Esito::Fatto;
}

#else

Esito Scrivi(const QString& file, const QByteArray& dati)
{
    const QFileInfo info(file);
    if (info.isDir())
        return Esito::NomeDiCartella;
    if (!QFileInfo(info.absolutePath()).isDir())
        return Esito::CartellaAssente;
    if (info.exists() && !info.isWritable())
        return Esito::FileNonSostituibile;
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly))
        return uscita.error() == QFileDevice::PermissionsError ? Esito::CartellaNegata : Esito::Altro;
    if (uscita.write(dati) != dati.size()) {
        const Esito e = uscita.error() == QFileDevice::ResourceError ? Esito::DiscoPieno : Esito::Altro;
        uscita.cancelWriting();
        return e;
    }
    if (!uscita.commit())
        return uscita.error() == QFileDevice::ResourceError ? Esito::DiscoPieno : Esito::Altro;
    return Esito::Fatto;
}

#endif

} // namespace ScritturaFile
