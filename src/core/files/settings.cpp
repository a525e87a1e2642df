#include "core/files/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <cstdio>
#include <string_view>

#include "core/files/datafolders.h"
#include "core/model/modelcatalogue.h"
#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"

namespace {

std::unique_ptr<QSettings> OpenUserSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\software\\HALVERN\\TAVRIN"), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("HALVERN"), QStringLiteral("TAVRIN"));
#endif
}

// A settings file holds a few dozen short values; a far larger one is damaged
// and would only cost time and memory to read.
constexpr qint64 kLargestSettingsFile = 1 << 20;

// Where the settings file lies, found without reading it (opening the
// program's own settings would read the whole file at once).
QString UserSettingsPath() {
    const QSettings organisation(QSettings::IniFormat, QSettings::UserScope,
                                 QStringLiteral("HALVERN"));
    return QFileInfo(organisation.fileName()).absolutePath() +
           QStringLiteral("/HALVERN/TAVRIN.ini");
}

// Why a settings file cannot be used; empty when it can (or does not exist yet).
QString UnusableBecause(const QFileInfo& file) {
    if (!file.exists()) return {};
    if (!file.isFile()) return QStringLiteral("it is not a regular file");
    if (file.size() > kLargestSettingsFile) {
        return QStringLiteral("it is %1 MB, far larger than any settings file")
            .arg(file.size() / (1 << 20));
    }
    return {};
}

// Moves an unusable settings file out of the way, so the program can start
// afresh while the user's file stays as it was. The problem, for the user.
QString SetAsideUnusableFile(const QString& path) {
    const QString reason = UnusableBecause(QFileInfo(path));
    if (reason.isEmpty()) return {};
    QString kept = path + QStringLiteral(".unusable");
    for (int number = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++number) {
        kept = path + QStringLiteral(".unusable.%1").arg(number);
    }
    const bool moved =
        std::rename(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0;
    return QStringLiteral("The settings file %1 cannot be used: %2.\n%3")
        .arg(
            path, reason,
            moved
                ? QStringLiteral("It has been kept as %1, and the program starts afresh.").arg(kept)
                : QStringLiteral("The program starts afresh without it."));
}

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text);
}

// A market code read from a transceiver may differ from the catalogue's in
// its last character; the model and the market letter must be known.
bool IsKnownConfiguration(const std::string& model, const std::string& marketCode) {
    for (const TModelInfo& row : ModelCatalogue()) {
        if (row.Model == model && marketCode.size() >= 2 &&
            std::string_view(row.MarketCode).substr(0, 2) ==
                std::string_view(marketCode).substr(0, 2)) {
            return true;
        }
    }
    return false;
}

void ChooseConfiguration(TSettingsStore& store, TRadioData& data,
                         const TFirstRunChooser& chooseFirstRunRow) {
    const QString type = store.Read(QStringLiteral("Type"));
    const QString model = store.Read(QStringLiteral("Model"));
    QString reason = store.SetAsideProblem();
    if (!type.isEmpty()) {
        if (IsKnownConfiguration(Latin1(model), Latin1(type))) {
            data.SetModel(Latin1(model));
            data.SetMarketCode(Latin1(type));
            return;
        }
        reason = UnknownConfigurationMessage(model, type);
    }
    int row = chooseFirstRunRow ? chooseFirstRunRow(reason) : 0;
    if (row < 0 || row >= kCatalogueRows) row = 0;
    const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(row)];
    store.Write(QStringLiteral("Type"), QString::fromLatin1(info.MarketCode));
    store.Write(QStringLiteral("Model"), QString::fromLatin1(info.Model));
    if (ProfileOf(info.Model, info.MarketCode).WritesEmptyType2) {
        store.Write(QStringLiteral("Type2"), QString());
    }
    data.SetMarketCode(info.MarketCode);
    data.SetModel(info.Model);
}

void LoadBandLimit(TSettingsStore& store, TRadioData& data) {
    QString limit = store.Read(QStringLiteral("Limit"));
    if (limit.isEmpty()) {
        limit = FromLatin1(std::string(ProfileOf(data).BandLimit));
    }
    store.Write(QStringLiteral("Limit"), limit);
    data.SetBandLimit(Latin1(limit));
}

void LoadChannelCount(TSettingsStore& store, TRadioData& data) {
    const TModelProfile& profile = ProfileOf(data);
    if (!profile.ChannelCountKey) return;  // an unknown model has no count
    const TChannelCounts counts = profile.ChannelCounts;
    QString count = store.Read(QLatin1String(profile.ChannelCountKey));
    if (count != QLatin1String(counts.Smaller) && count != QLatin1String(counts.Larger)) {
        count = QString::fromLatin1(counts.Smaller);
    }
    store.Write(QStringLiteral("Channel"), count);
    data.SetMenuSlot(kChannelCountSlot, Latin1(count));
}

}  // namespace

TSettingsStore::TSettingsStore() {
#ifndef Q_OS_WIN
    if (const QString noFolder = UserConfigBase().Problem; !noFolder.isEmpty()) {
        // Kept for this run only: nothing may land under the root folder.
        Problem = QStringLiteral("The settings cannot be kept: %1.").arg(noFolder);
        return;
    }
    Problem = SetAsideUnusableFile(UserSettingsPath());
#endif
    Settings = OpenUserSettings();
}

TSettingsStore::~TSettingsStore() = default;

QString TSettingsStore::Read(const QString& name) const {
    if (!Settings) return Unkept.value(name);
    const QVariant value = Settings->value(name);
    // A hand-edited INI value with an unquoted comma reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void TSettingsStore::Write(const QString& name, const QString& value) {
    if (Contains(name) && Read(name) == value) return;
    if (!Settings) {
        Unkept.insert(name, value);
        return;
    }
    Settings->setValue(name, value);
    Unwritten = true;
    if (OpenBatches == 0) {
        Settings->sync();
        Unwritten = false;
    }
}

TSettingsStore::TBatch::~TBatch() {
    if (--Store.OpenBatches > 0 || !Store.Unwritten || !Store.Settings) return;
    Store.Settings->sync();
    Store.Unwritten = false;
}

bool TSettingsStore::Contains(const QString& name) const {
    return Settings ? Settings->contains(name) : Unkept.contains(name);
}

TStartSettings LoadSettings(TSettingsStore& store, TRadioData& data,
                            const TFirstRunChooser& chooseFirstRunRow) {
    const TSettingsStore::TBatch batch(store);
    TStartSettings start;
    start.Folder = store.Read(QStringLiteral("Path"));
    if (start.Folder.isEmpty()) {
        start.Folder = QDir::toNativeSeparators(QDir::currentPath());
        store.Write(QStringLiteral("Path"), start.Folder);
    }
    start.CommPort = store.Read(QStringLiteral("CommPort"));
    if (start.CommPort.isEmpty()) {
        start.CommPort = QStringLiteral("COM1");
        store.Write(QStringLiteral("CommPort"), start.CommPort);
    }
    ChooseConfiguration(store, data, chooseFirstRunRow);
    LoadBandLimit(store, data);
    LoadChannelCount(store, data);
    return start;
}

bool HasStoredConfiguration(const TSettingsStore& store) {
    return !store.Read(QStringLiteral("Type")).isEmpty();
}

bool HasKnownConfiguration(const TSettingsStore& store) {
    return IsKnownConfiguration(Latin1(store.Read(QStringLiteral("Model"))),
                                Latin1(store.Read(QStringLiteral("Type"))));
}

QString UnknownConfigurationMessage(const QString& model, const QString& marketCode) {
    return QStringLiteral(
               "The settings name a transceiver this program does not know (model \"%1\", "
               "market code \"%2\").\nPlease choose your transceiver again.")
        .arg(model.left(20), marketCode.left(20));
}

void SaveSettingsOnClose(TSettingsStore& store, const TRadioData& data, const QString& commPort) {
    const TSettingsStore::TBatch batch(store);
    store.Write(QStringLiteral("CommPort"), commPort);
    SaveChannelCount(store, data);
    store.Write(QStringLiteral("Model"), FromLatin1(data.GetModel()));
    store.Write(QStringLiteral("Type"), FromLatin1(data.GetMarketCode()));
    store.Write(QStringLiteral("Limit"), FromLatin1(data.GetBandLimit()));
}

void SaveChannelCount(TSettingsStore& store, const TRadioData& data) {
    store.Write(QStringLiteral("Channel"), FromLatin1(data.GetMenuSlot(kChannelCountSlot)));
}

namespace {

bool LoadSwitch(const TSettingsStore& store, const QString& name) {
    return store.Read(name) == QLatin1String("1");
}

void SaveSwitch(TSettingsStore& store, const QString& name, bool on) {
    store.Write(name, on ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace

bool LoadLogCommunication(const TSettingsStore& store) {
    return LoadSwitch(store, QStringLiteral("LogCommunication"));
}

void SaveLogCommunication(TSettingsStore& store, bool on) {
    SaveSwitch(store, QStringLiteral("LogCommunication"), on);
}

bool LoadVerifyAfterWriting(const TSettingsStore& store) {
    return LoadSwitch(store, QStringLiteral("VerifyAfterWriting"));
}

void SaveVerifyAfterWriting(TSettingsStore& store, bool on) {
    SaveSwitch(store, QStringLiteral("VerifyAfterWriting"), on);
}

QString FolderOfPath(const QString& filePath) {
    // A name without a folder, such as "Untitled", remembers no folder.
    if (!filePath.contains(QLatin1Char('/')) && !filePath.contains(QLatin1Char('\\'))) return {};
    QString folder = QDir::toNativeSeparators(QFileInfo(filePath).absolutePath());
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return folder;
}

QString SaveFolder(TSettingsStore& store, const QString& filePath) {
    const QString folder = FolderOfPath(filePath);
    store.Write(QStringLiteral("Path"), folder);
    return folder;
}

namespace {

// One path a line: a file name may hold anything but a line break and a NUL.
const QString kRecentFilesKey = QStringLiteral("RecentFiles");

}  // namespace

QStringList LoadRecentFiles(const TSettingsStore& store) {
    QStringList files = store.Read(kRecentFilesKey).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    files.removeDuplicates();
    while (files.size() > kRecentFileCount) files.removeLast();
    return files;
}

void AddRecentFile(TSettingsStore& store, const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('\n'))) return;
    // A name given relative to the folder the program was started in is kept
    // whole, so the menu finds the file from anywhere.
    const QString path = QFileInfo(name).absoluteFilePath();
    QStringList files = LoadRecentFiles(store);
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFileCount) files.removeLast();
    store.Write(kRecentFilesKey, files.join(QLatin1Char('\n')));
}

void RemoveRecentFile(TSettingsStore& store, const QString& path) {
    QStringList files = LoadRecentFiles(store);
    if (files.removeAll(path) > 0) store.Write(kRecentFilesKey, files.join(QLatin1Char('\n')));
}

void ClearRecentFiles(TSettingsStore& store) {
    store.Write(kRecentFilesKey, QString());
}
