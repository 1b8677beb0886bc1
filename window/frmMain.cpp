// Corvane's one window: the inputs of a conversion, the two browse buttons, Convert and Close.
#include "frmMain.h"

#include "InitialDirectory.h"
#include "LoadDocument.h"
#include "OutputName.h"
#include "TextEncoder.h"
#include "Twips.h"
#include "WrapCheckBox.h"
#include "WriteIconsHere.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QEventLoop>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QUrl>

// The icon images are compiled into this static library; they must be registered by name.
static void InitResources() {
    Q_INIT_RESOURCE(corvane);
}

namespace corvane {

namespace {

// The client area, in twips.
constexpr int kClientWidth = 4680;
constexpr int kClientHeight = 4665;

// The two option buttons' boxes overlap by this much; each gives up half of it, top and
// bottom, so that its caption stays where it is and no box covers part of the other caption.
constexpr int kOptionOverlap = 135;
constexpr int kOptionTrim = kOptionOverlap / 2;

// The first local file among dragged links, with the system's separators, or "" when there is none
QString DraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return QDir::toNativeSeparators(url.toLocalFile());
    }
    return {};
}

}  // namespace

frmMain::frmMain() : frmMain(nullptr, nullptr, QString()) {}

frmMain::frmMain(std::unique_ptr<FileDialog> dialog, std::unique_ptr<MessageBoxes> boxes, const QString& settingsFile)
    : settingsFile_(settingsFile), cDialog(std::move(dialog)), boxes_(std::move(boxes)) {
    InitResources();
    if (!cDialog) cDialog = std::make_unique<QtFileDialog>(this);
    if (!boxes_) boxes_ = std::make_unique<QtMessageBoxes>(this);
    CreateControls();
    toolkit_ = std::make_unique<FormToolkit>(
        FormToolkit::Controls{txtGPX, txtMM, txtIcon, txtCacher, chkHint, optURL[0], mnuIconsByType}, *boxes_);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::OpenGPX(const QString& path) {
    txtGPX->setText(QDir::toNativeSeparators(path));
}

void frmMain::Place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(TwipsToPixels(left, top, width, height, logicalDpiX(), logicalDpiY()));
}

QPushButton* frmMain::MakeButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    // Enter and Escape click nothing: no button is the window's default or cancel button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void frmMain::CreateControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Corvane Conversion"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QIcon icon;
    icon.addFile(QStringLiteral(":/corvane/corvane-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/corvane/corvane-16.png"), QSize(16, 16));
    setWindowIcon(icon);
    // The layout is measured for a small font of Arial's widths; wider fonts would clip the captions.
    QFont font = this->font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("Nimbus Sans")});
    font.setPointSize(8);
    setFont(font);
    setFixedSize(TwipsToPixels(kClientWidth, logicalDpiX()), TwipsToPixels(kClientHeight, logicalDpiY()));
    setAcceptDrops(true);
    installEventFilter(this);

    // Created in tab order, which is also the keyboard focus order; the labels take no focus.
    txtGPX = new QLineEdit(this);
    txtGPX->setToolTip(QStringLiteral("The full path to your Geocaching GPX file"));
    Place(txtGPX, 120, 360, 3975, 285);

    cmdGPX = MakeButton(QStringLiteral("..."));
    Place(cmdGPX, 4200, 360, 375, 255);

    txtMM = new QLineEdit(this);
    txtMM->setToolTip(QStringLiteral("The full path and name of the CSV file to create"));
    Place(txtMM, 120, 1200, 3975, 285);

    cmdMM = MakeButton(QStringLiteral("..."));
    Place(cmdMM, 4200, 1200, 375, 255);

    txtIcon = new QLineEdit(QStringLiteral("\\MM Icons\\"), this);
    txtIcon->setToolTip(QStringLiteral("Can be a full path or a relative path ie. \\MM Icons\\"));
    Place(txtIcon, 120, 2040, 3975, 285);

    txtCacher = new QLineEdit(this);
    txtCacher->setToolTip(
        QStringLiteral("Your user name on the geocaching web site, so that your own caches are recognised"));
    Place(txtCacher, 120, 2880, 3975, 285);

    optURL[0] = new QRadioButton(QStringLiteral("Link to Website"), this);
    optURL[0]->setToolTip(QStringLiteral("Links to a URL from Memory Map"));
    Place(optURL[0], 120, 3240 + kOptionTrim, 1695, 375 - kOptionOverlap);

    optURL[1] = new QRadioButton(QStringLiteral("Link to CacheMate"), this);
    optURL[1]->setToolTip(QStringLiteral("Links to CacheMate from Memeory Map"));
    optURL[1]->setChecked(true);
    Place(optURL[1], 120, 3480 + kOptionTrim, 1695, 375 - kOptionOverlap);

    cmdConvert = MakeButton(QStringLiteral("Convert"));
    cmdConvert->setToolTip(QStringLiteral("Create the CSV file to import into Memory Map"));
    Place(cmdConvert, 1920, 4080, 1215, 375);

    cmdClose = MakeButton(QStringLiteral("Close"));
    cmdClose->setToolTip(QStringLiteral("Close Corvane"));
    Place(cmdClose, 3240, 4080, 1215, 375);

    Label1 = new QLabel(QStringLiteral("GPX File"), this);
    Place(Label1, 120, 120, 1095, 255);
    Label2 = new QLabel(QStringLiteral("Memory Map Output File"), this);
    Place(Label2, 120, 840, 1935, 255);
    Label3 = new QLabel(QStringLiteral("Memory Map Icon Directory"), this);
    Place(Label3, 120, 1680, 3615, 255);
    Label4 = new QLabel(QStringLiteral("Your GC Name"), this);
    Place(Label4, 120, 2520, 3615, 255);

    chkHint = new WrapCheckBox(QStringLiteral("Include decoded hints in the comments."), this);
    Place(chkHint, 2400, 3240, 1935, 615);

    txtGPX->setObjectName(QStringLiteral("txtGPX"));
    cmdGPX->setObjectName(QStringLiteral("cmdGPX"));
    txtMM->setObjectName(QStringLiteral("txtMM"));
    cmdMM->setObjectName(QStringLiteral("cmdMM"));
    txtIcon->setObjectName(QStringLiteral("txtIcon"));
    txtCacher->setObjectName(QStringLiteral("txtCacher"));
    optURL[0]->setObjectName(QStringLiteral("optURL0"));
    optURL[1]->setObjectName(QStringLiteral("optURL1"));
    cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    chkHint->setObjectName(QStringLiteral("chkHint"));

    // A right click on the form, outside the text boxes, offers the choice of icons; the
    // layout stays as it is.
    mnuIconsByType = new QAction(QStringLiteral("Icons by cache type"), this);
    mnuIconsByType->setObjectName(QStringLiteral("mnuIconsByType"));
    mnuIconsByType->setCheckable(true);
    addAction(mnuIconsByType);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    for (QLineEdit* box : {txtGPX, txtMM, txtIcon, txtCacher}) box->installEventFilter(this);

    mnuWriteIcons = new QAction(QStringLiteral("Write Corvane's Icons Here"), txtIcon);
    mnuWriteIcons->setObjectName(QStringLiteral("mnuWriteIcons"));
    txtIcon->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtIcon, &QLineEdit::customContextMenuRequested, this, &frmMain::txtIcon_ContextMenu);
    connect(mnuWriteIcons, &QAction::triggered, this, &frmMain::mnuWriteIcons_Click);

    connect(txtGPX, &QLineEdit::textChanged, this, &frmMain::txtGPX_Change);
    connect(cmdGPX, &QPushButton::clicked, this, &frmMain::cmdGPX_Click);
    connect(cmdMM, &QPushButton::clicked, this, &frmMain::cmdMM_Click);
    connect(cmdConvert, &QPushButton::clicked, this, &frmMain::cmdConvert_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
}

void frmMain::Form_Load() {
    settings_.LoadSettings(*OpenSettings(settingsFile_));
    // Setting the GPX path runs the output-name rule; the saved CSV path then replaces its result.
    txtGPX->setText(settings_.GPXPath);
    txtMM->setText(settings_.CSVPath);
    txtIcon->setText(settings_.IconPath);
    txtCacher->setText(settings_.Name);
    optURL[settings_.Include == QStringLiteral("C") ? 1 : 0]->setChecked(true);
    chkHint->setChecked(settings_.Hint == QStringLiteral("Y"));
    mnuIconsByType->setChecked(settings_.Kinds == QStringLiteral("Type"));
}

void frmMain::Form_Unload() {
    settings_.GPXPath = txtGPX->text();
    settings_.CSVPath = txtMM->text();
    settings_.IconPath = txtIcon->text();
    settings_.Name = txtCacher->text();
    settings_.Include = optURL[0]->isChecked() ? QStringLiteral("U") : QStringLiteral("C");
    settings_.Hint = chkHint->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    settings_.Kinds = mnuIconsByType->isChecked() ? QStringLiteral("Type") : QStringLiteral("Container");
    // A store that cannot be written fails quietly: the window is closing, the user's files are
    // not at stake, and a box at every close would be all the user could do about it.
    settings_.SaveSettings(*OpenSettings(settingsFile_));
}

void frmMain::closeEvent(QCloseEvent* event) {
    // A close during a conversion waits for its end, so that the settings hold what it used.
    if (converting_) {
        closeWhenDone_ = true;
        event->ignore();
        return;
    }
    // Close and the title bar's close box both end here; the window always closes.
    Form_Unload();
    event->accept();
}

void frmMain::cmdClose_Click() {
    close();
}

void frmMain::cmdConvert_Click() {
    RunOptions options;
    options.codePage = CanonicalCodePage(settings_.Encoding.toStdString());
    // The run has a thread of its own so that the window keeps painting. Its questions and
    // messages still come one at a time, in its order, on this thread (see FormToolkit); input
    // to the window waits until the run has ended, as when the run held this thread.
    QEventLoop running;
    std::unique_ptr<QThread> run(QThread::create([&] { LoadDocument(*toolkit_, record_, options); }));
    connect(run.get(), &QThread::finished, &running, &QEventLoop::quit);
    converting_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    toolkit_->Freeze();
    run->start();
    running.exec(QEventLoop::ExcludeUserInputEvents);
    run->wait();
    toolkit_->Thaw();
    QApplication::restoreOverrideCursor();
    converting_ = false;
    if (closeWhenDone_) close();
}

void frmMain::Browse(QLineEdit* box, const QString& filter) {
    // A browse that fails, the user's cancel included, leaves the box as it was and says nothing.
    try {
        const std::optional<QString> chosen = cDialog->ChooseFile(filter, InitialDirectory(box->text()));
        if (chosen) box->setText(QDir::toNativeSeparators(*chosen));
    } catch (...) {
    }
}

void frmMain::cmdGPX_Click() {
    // Pocket queries arrive as zip files, which convert as they are.
    Browse(txtGPX, QStringLiteral("GPX Files (*.gpx *.zip);;All Files (*.*)"));
}

void frmMain::cmdMM_Click() {
    Browse(txtMM, QStringLiteral("CSV (*.csv);;All Files (*.*)"));
}

void frmMain::txtGPX_Change() {
    // Once the output box holds anything, even blanks, the user's name stands.
    if (!txtMM->text().isEmpty()) return;
    if (const auto name = OutputName(txtGPX->text().toStdString())) txtMM->setText(QString::fromStdString(*name));
}

void frmMain::txtIcon_ContextMenu(const QPoint& position) {
    std::unique_ptr<QMenu> menu(txtIcon->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(mnuWriteIcons);
    menu->exec(txtIcon->mapToGlobal(position));
}

void frmMain::mnuWriteIcons_Click() {
    WriteIconsHere(IconFolder(txtIcon->text(), txtMM->text()), *boxes_);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (DraggedFile(drag->mimeData()).isEmpty()) break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = DraggedFile(drop->mimeData());
        if (file.isEmpty()) break;
        OpenGPX(file);
        drop->acceptProposedAction();
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvane
