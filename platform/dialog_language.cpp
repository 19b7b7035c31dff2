#include "platform/dialog_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

DialogLanguage::DialogLanguage() : hungarian_(std::make_unique<QTranslator>()) {
    // Where Qt was installed (Linux packages), or beside the program where a Windows
    // deployment puts it.
    const QString file = QStringLiteral("qtbase_hu");
    if (!hungarian_->load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        (void)hungarian_->load(
            file, QDir(QCoreApplication::applicationDirPath()).filePath("translations"));
    }
}

DialogLanguage::~DialogLanguage() {
    SetHungarian(false);
}

void DialogLanguage::SetHungarian(bool hungarian) {
    if (hungarian == installed_ || hungarian_->isEmpty()) {
        return;
    }
    installed_ = hungarian ? QCoreApplication::installTranslator(hungarian_.get())
                           : !QCoreApplication::removeTranslator(hungarian_.get());
}
