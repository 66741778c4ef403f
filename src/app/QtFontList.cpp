#include "app/QtFontList.h"

#include <QFontDatabase>
#include <QList>
#include <QStringList>

namespace brushly {

std::vector<CInstalledFace> InstalledFaces() {
    std::vector<CInstalledFace> faces;
    for (const QString& family : QFontDatabase::families()) {
        const bool japanese =
            QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
        faces.push_back(CInstalledFace{family.toStdString(), japanese});
    }
    return faces;
}

}  // namespace brushly
