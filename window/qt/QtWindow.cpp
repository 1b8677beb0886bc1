// The Qt form: its controls from the layout table, its menus, drops and close, wired to the handlers.
#include "QtWindow.h"

#include "FormLayout.h"
#include "OptionTable.h"
#include "WrapCheckBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

// The icon images are compiled into this static library; they must be registered by name.
static void InitResources() {
    Q_INIT_RESOURCE(corvane);
}

namespace corvane {

namespace {

// The first local file among dragged links, with the system's separators, or "" when there is none
QString DraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return QDir::toNativeSeparators(url.toLocalFile());
    }
    return {};
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtWindow::QtWindow(std::unique_ptr<FileDialog> dialog, std::unique_ptr<MessageBoxView> boxes,
                   const QString& settingsFile)
    : store_(settingsFile), dialog_(std::move(dialog)), boxes_(std::move(boxes)) {
    InitResources();
    if (!dialog_) dialog_ = std::make_unique<QtFileDialog>(this);
    CreateControls();
    handlers_->Form_Load();
}

QtWindow::~QtWindow() = default;

void QtWindow::OpenGPX(const QString& path) {
    handlers_->Form_DropFile(QDir::toNativeSeparators(path).toStdString());
}

QWidget* QtWindow::MakeControl(const ControlLayout& layout) {
    const QString caption = Text(layout.caption);
    switch (layout.kind) {
    case ControlKind::TextBox:
        return new QLineEdit(caption, this);
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, this);
        // Enter and Escape click nothing: no button is the window's default or cancel button.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::OptionButton:
        return new QRadioButton(caption, this);
    case ControlKind::CheckBox:
        return new WrapCheckBox(caption, this);
    case ControlKind::Label:
        break;
    }
    return new QLabel(caption, this);
}

void QtWindow::CreateControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Text(kFormCaption));
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
    setFixedSize(TwipsToPixels(kFormWidth, logicalDpiX()), TwipsToPixels(kFormHeight, logicalDpiY()));
    setAcceptDrops(true);
    installEventFilter(this);

    // Created in tab order, which is also the keyboard focus order; the labels take no focus.
    for (const ControlLayout& layout : kFormControls) {
        QWidget* control = MakeControl(layout);
        control->setObjectName(Text(layout.name));
        if (!layout.tooltip.empty()) control->setToolTip(Text(layout.tooltip));
        const ControlLayout drawn = Drawn(layout);
        control->setGeometry(TwipsToPixels(drawn.left, logicalDpiX()), TwipsToPixels(drawn.top, logicalDpiY()),
                             TwipsToPixels(drawn.width, logicalDpiX()), TwipsToPixels(drawn.height, logicalDpiY()));
    }
    txtGPX = findChild<QLineEdit*>(QStringLiteral("txtGPX"));
    cmdGPX = findChild<QPushButton*>(QStringLiteral("cmdGPX"));
    txtMM = findChild<QLineEdit*>(QStringLiteral("txtMM"));
    cmdMM = findChild<QPushButton*>(QStringLiteral("cmdMM"));
    txtIcon = findChild<QLineEdit*>(QStringLiteral("txtIcon"));
    txtCacher = findChild<QLineEdit*>(QStringLiteral("txtCacher"));
    cmdConvert = findChild<QPushButton*>(QStringLiteral("cmdConvert"));
    cmdClose = findChild<QPushButton*>(QStringLiteral("cmdClose"));
    findChild<QRadioButton*>(QStringLiteral("optURL1"))->setChecked(true);

    // A right click on the form, outside the text boxes, offers a check entry for each option of
    // the option table shown as one; the layout stays as it is.
    for (const OptionRow& option : kOptionTable) {
        if (!option.yes || option.control != OptionControl::MenuEntry) continue;
        auto* entry = new QAction(Text(option.caption), this);
        entry->setObjectName(Text(option.controlName));
        entry->setCheckable(true);
        addAction(entry);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);

    for (QLineEdit* box : {txtGPX, txtMM, txtIcon, txtCacher}) box->installEventFilter(this);

    mnuWriteIcons = new QAction(QStringLiteral("Write Corvane's Icons Here"), txtIcon);
    mnuWriteIcons->setObjectName(QStringLiteral("mnuWriteIcons"));
    txtIcon->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtIcon, &QLineEdit::customContextMenuRequested, this, &QtWindow::txtIcon_ContextMenu);

    view_ = std::make_unique<QtFormView>(QtFormView::Controls{this, txtGPX, txtMM, txtIcon, txtCacher}, *dialog_,
                                         boxes_.get());
    handlers_ = std::make_unique<FormHandlers>(*view_, store_);
    FormHandlers* handlers = handlers_.get();
    connect(txtGPX, &QLineEdit::textChanged, this, [handlers] { handlers->txtGPX_Change(); });
    connect(cmdGPX, &QPushButton::clicked, this, [handlers] { handlers->cmdGPX_Click(); });
    connect(cmdMM, &QPushButton::clicked, this, [handlers] { handlers->cmdMM_Click(); });
    connect(cmdConvert, &QPushButton::clicked, this, [handlers] { handlers->cmdConvert_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [handlers] { handlers->cmdClose_Click(); });
    connect(mnuWriteIcons, &QAction::triggered, this, [handlers] { handlers->mnuWriteIcons_Click(); });
}

void QtWindow::txtIcon_ContextMenu(const QPoint& position) {
    std::unique_ptr<QMenu> menu(txtIcon->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(mnuWriteIcons);
    menu->exec(txtIcon->mapToGlobal(position));
}

void QtWindow::closeEvent(QCloseEvent* event) {
    if (!handlers_->Form_QueryUnload()) {
        event->ignore();
        return;
    }
    // Close and the title bar's close box both end here.
    handlers_->Form_Unload();
    event->accept();
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
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
