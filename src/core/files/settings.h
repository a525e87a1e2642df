#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

class QSettings;
class TRadioData;

// The per-user settings key: organisation "HALVERN", application "TAVRIN".
// Values are texts; a write that changes a value reaches the store at once, or
// at the end of the batch it is part of; one that changes nothing writes nothing.
class TSettingsStore {
public:
    TSettingsStore();
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    QString Read(const QString& name) const;
    void Write(const QString& name, const QString& value);
    bool Contains(const QString& name) const;

    // Writes made while a batch is open reach the store together when it closes.
    class TBatch {
    public:
        explicit TBatch(TSettingsStore& store) : Store(store) { ++Store.OpenBatches; }
        ~TBatch();
        TBatch(const TBatch&) = delete;
        TBatch& operator=(const TBatch&) = delete;

    private:
        TSettingsStore& Store;
    };

    // Why the settings file found at start could not be used and where it
    // was kept instead, or why no settings can be kept at all (no home
    // folder); empty when it was fine.
    const QString& SetAsideProblem() const { return Problem; }

private:
    std::unique_ptr<QSettings> Settings;  // none when there is nowhere to keep them
    QHash<QString, QString> Unkept;       // the values of this run, then

    QString Problem;
    int OpenBatches = 0;
    bool Unwritten = false;
};

// What start-up takes from the settings besides the data set's configuration.
struct TStartSettings {
    QString Folder;    // initial folder of the open and save dialogs
    QString CommPort;  // the selected port text, as stored
};

// Asks the user for the configuration on the first run; returns a catalogue row 0..14.
// `reason` is empty on a real first run; otherwise it tells why the stored
// configuration could not be used, for the user to read first.
using TFirstRunChooser = std::function<int(const QString& reason)>;

// Reads the configuration into the data set (model, market code, band limit,
// channel count) and returns the folder and port; writes back the defaults it chose.
TStartSettings LoadSettings(TSettingsStore& store, TRadioData& data,
                            const TFirstRunChooser& chooseFirstRunRow);

// Whether a configuration has been chosen before ("Type" is set).
bool HasStoredConfiguration(const TSettingsStore& store);
// Whether the stored configuration is one of the catalogue's models and markets.
bool HasKnownConfiguration(const TSettingsStore& store);
// Why a stored configuration is asked for again.
QString UnknownConfigurationMessage(const QString& model, const QString& marketCode);

void SaveSettingsOnClose(TSettingsStore& store, const TRadioData& data, const QString& commPort);
void SaveChannelCount(TSettingsStore& store, const TRadioData& data);

// Radio > Log Communication: whether every exchange writes a communication log.
bool LoadLogCommunication(const TSettingsStore& store);
void SaveLogCommunication(TSettingsStore& store, bool on);

// Radio > Write > Verify after writing: whether every write is read back and compared.
bool LoadVerifyAfterWriting(const TSettingsStore& store);
void SaveVerifyAfterWriting(TSettingsStore& store, bool on);

// Remembers the folder of a data file and returns it, ending in a separator.
QString SaveFolder(TSettingsStore& store, const QString& filePath);

// File > Open Recent: the last data files opened or saved, the latest first.
inline constexpr int kRecentFileCount = 10;
QStringList LoadRecentFiles(const TSettingsStore& store);
void AddRecentFile(TSettingsStore& store, const QString& path);
// Takes `path` off the list (a file that is gone); Clear empties it.
void RemoveRecentFile(TSettingsStore& store, const QString& path);
void ClearRecentFiles(TSettingsStore& store);
QString FolderOfPath(const QString& filePath);
