#pragma once

// Texts the updater window shows, kept in one place so that every screen
// and test uses the same bytes (Arabic yeh and kaf as the program stores them).

#include <QString>

namespace zuvek::updater::texts {

inline const QString kProgressCaption = QStringLiteral("Downloading File ... ");
inline const QString kCaptionIdle = QStringLiteral("دانلود");
inline const QString kCaptionDownloading = QStringLiteral("انصراف");
inline const QString kCaptionExit = QStringLiteral("خروج");
inline const QString kAddressLabel = QStringLiteral("Address File :");
inline const QString kDownloadSucceeded = QStringLiteral("دانلود فايل با موفقيت به پايان رسيد ");
inline const QString kSuccessTitle = QStringLiteral("Success");
inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kUpdateTitle = QStringLiteral("بروز رساني");
inline const QString kInstallerPath = QStringLiteral("/Soft/zuvek/setup-zuvek.exe");
inline const QString kInstallerFile = QStringLiteral("setup-zuvek.exe");

} // namespace zuvek::updater::texts
