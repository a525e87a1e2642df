#include "gui/radio/portsform.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/kit/helpcontext.h"

namespace {

constexpr QSize kStartSize(760, 520);

QStringList Texts(const TTextRow& row) {
    QStringList texts;
    for (const std::string& cell : row) texts.append(QString::fromStdString(cell));
    return texts;
}

QTableWidget* NewTable(const TTextRow& columns, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    QStringList headers;
    for (const std::string& column : columns) {
        headers << QCoreApplication::translate("Ports", column.c_str());
    }
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    // The columns keep the width of their texts, also after Refresh; the last takes the rest.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return table;
}

void Fill(QTableWidget& table, const std::vector<TTextRow>& rows) {
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const QStringList cells = Texts(rows[static_cast<size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            table.setItem(row, column, item);
        }
    }
}

// The widest text of a column, its cells' padding included.
int ContentWidth(const QTableWidget& table, int column) {
    constexpr int kCellPadding = 12;
    int width = table.horizontalHeader()->sectionSizeHint(column);
    for (int row = 0; row < table.rowCount(); ++row) {
        if (const QTableWidgetItem* item = table.item(row, column)) {
            width =
                std::max(width, table.fontMetrics().horizontalAdvance(item->text()) + kCellPadding);
        }
    }
    return width;
}

// The width that shows every column of the table whole.
int WholeWidth(const QTableWidget& table) {
    int width = 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table.columnCount(); ++column) {
        width += ContentWidth(table, column);
    }
    return width;
}

QString HintsHtml(const std::vector<std::string>& hints) {
    QString html;
    for (const std::string& hint : hints) {
        html += QStringLiteral("<li>%1</li>").arg(QString::fromStdString(hint).toHtmlEscaped());
    }
    return html.isEmpty() ? html : QStringLiteral("<ul>%1</ul>").arg(html);
}

}  // namespace

TPortsForm::TPortsForm(QWidget* parent, TScanner scanner)
    : QDialog(parent), Scanner(std::move(scanner)) {
    if (!Scanner) Scanner = [] { return ScanPorts(CurrentPortMap()); };
    BuildControls();
    Refresh();
    // Wide enough on first showing for every column, State included, within the screen.
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int wanted = std::max(WholeWidth(*PortTable), WholeWidth(*DeviceTable)) + margins;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int most = screen ? screen->availableGeometry().width() * 9 / 10 : wanted;
    resize(std::clamp(wanted, kStartSize.width(), std::max(kStartSize.width(), most)), height());
}

void TPortsForm::BuildControls() {
    setWindowTitle(tr("Ports"));
    SetHelpContext(this, 75);
    PortTable = NewTable(kPortColumns, this);
    DeviceTable = NewTable(kDeviceColumns, this);
    HintsLabel = new QLabel(this);
    HintsLabel->setWordWrap(true);
    HintsLabel->setTextFormat(Qt::RichText);
    HintsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(this);
    RefreshButton = buttons->addButton(tr("&Refresh"), QDialogButtonBox::ActionRole);
    CloseButton = buttons->addButton(QDialogButtonBox::Close);
    connect(RefreshButton, &QPushButton::clicked, this, &TPortsForm::Refresh);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Port map:"), this));
    layout->addWidget(PortTable, 1);
    layout->addWidget(new QLabel(tr("Serial devices:"), this));
    layout->addWidget(DeviceTable, 1);
    layout->addWidget(HintsLabel);
    layout->addWidget(buttons);
    resize(kStartSize);
}

void TPortsForm::Refresh() {
    const TPortOverview overview = BuildOverview(Scanner());
    Fill(*PortTable, overview.PortRows);
    Fill(*DeviceTable, overview.DeviceRows);
    HintsLabel->setText(HintsHtml(overview.Hints));
}
