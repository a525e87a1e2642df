#include "data/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "data/modelcatalogue.h"
#include "data/radiodata.h"

namespace {

std::unique_ptr<QSettings> OpenUserSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\software\\HALVERN\\TAVRIN"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("HALVERN"), QStringLiteral("TAVRIN"));
#endif
}

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

QString FromLatin1(const std::string& text) { return QString::fromLatin1(text); }

void ChooseConfiguration(TSettingsStore& store, TRadioData& data,
                         const TFirstRunChooser& chooseFirstRunRow) {
    const QString type = store.Read(QStringLiteral("Type"));
    if (!type.isEmpty()) {
        data.SetModel(Latin1(store.Read(QStringLiteral("Model"))));
        data.SetMarketCode(Latin1(type));
        return;
    }
    int row = chooseFirstRunRow ? chooseFirstRunRow() : 0;
    if (row < 0 || row >= kCatalogueRows) row = 0;
    const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(row)];
    store.Write(QStringLiteral("Type"), QString::fromLatin1(info.MarketCode));
    store.Write(QStringLiteral("Model"), QString::fromLatin1(info.Model));
    if (row == 8) store.Write(QStringLiteral("Type2"), QString());
    data.SetMarketCode(info.MarketCode);
    data.SetModel(info.Model);
}

void LoadBandLimit(TSettingsStore& store, TRadioData& data) {
    QString limit = store.Read(QStringLiteral("Limit"));
    if (limit.isEmpty()) {
        limit = FromLatin1(DefaultBandLimit(data.GetModel(), data.GetMarketCode()));
    }
    store.Write(QStringLiteral("Limit"), limit);
    data.SetBandLimit(Latin1(limit));
}

void LoadChannelCount(TSettingsStore& store, TRadioData& data) {
    const TChannelCounts counts = ChannelCountsOf(data.GetModel());
    if (!data.IsHandheld() && !data.IsMobile()) return;  // an unknown model has no count
    // Mobiles keep their count under "Channel1", which the program never writes.
    const QString name = data.IsHandheld() ? QStringLiteral("Channel") : QStringLiteral("Channel1");
    QString count = store.Read(name);
    if (count != QLatin1String(counts.Smaller) && count != QLatin1String(counts.Larger)) {
        count = QString::fromLatin1(counts.Smaller);
    }
    store.Write(QStringLiteral("Channel"), count);
    data.SetMenuSlot(26, Latin1(count));
}

}  // namespace

TSettingsStore::TSettingsStore() : Settings(OpenUserSettings()) {}

TSettingsStore::~TSettingsStore() = default;

QString TSettingsStore::Read(const QString& name) const {
    const QVariant value = Settings->value(name);
    // A hand-edited INI value with an unquoted comma reads back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void TSettingsStore::Write(const QString& name, const QString& value) {
    Settings->setValue(name, value);
    Settings->sync();
}

bool TSettingsStore::Contains(const QString& name) const { return Settings->contains(name); }

TStartSettings LoadSettings(TSettingsStore& store, TRadioData& data,
                            const TFirstRunChooser& chooseFirstRunRow) {
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

void SaveSettingsOnClose(TSettingsStore& store, const TRadioData& data, const QString& commPort) {
    store.Write(QStringLiteral("CommPort"), commPort);
    SaveChannelCount(store, data);
    store.Write(QStringLiteral("Model"), FromLatin1(data.GetModel()));
    store.Write(QStringLiteral("Type"), FromLatin1(data.GetMarketCode()));
    store.Write(QStringLiteral("Limit"), FromLatin1(data.GetBandLimit()));
}

void SaveChannelCount(TSettingsStore& store, const TRadioData& data) {
    store.Write(QStringLiteral("Channel"), FromLatin1(data.GetMenuSlot(26)));
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
