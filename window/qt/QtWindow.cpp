// The Qt form: its menu bar, its controls from the layout table, its menus, drops and close, wired to
// the handlers.
#include "QtWindow.h"

#include "FormLayout.h"
#include "OptionsMenu.h"
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
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

// The icon images are compiled into this static library; they must be registered by name.
static void InitResources() {
    Q_INIT_RESOURCE(corvane);
}

namespace corvane {

namespace {

// The local files among dragged links, with the system's separators
QStringList DraggedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files << QDir::toNativeSeparators(url.toLocalFile());
    }
    return files;
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

void QtWindow::OpenGPX(const QStringList& paths) {
    std::vector<std::string> files;
    for (const QString& path : paths) files.push_back(QDir::toNativeSeparators(path).toStdString());
    handlers_->Form_DropFile(files);
}

QWidget* QtWindow::MakeControl(const ControlLayout& layout) {
    const QString caption = Text(layout.caption);
    switch (layout.kind) {
    case ControlKind::TextBox:
        return new QLineEdit(caption, client_);
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, client_);
        // Enter and Escape click nothing: no button is the window's default or cancel button.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::OptionButton:
        return new QRadioButton(caption, client_);
    case ControlKind::CheckBox:
        return new WrapCheckBox(caption, client_);
    case ControlKind::Label:
        break;
    }
    return new QLabel(caption, client_);
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
    // The menu bar above the client area, which is the form's size whatever the bar's height.
    auto* bar = new QMenuBar(this);
    client_ = new QWidget(this);
    client_->setFixedSize(TwipsToPixels(kFormWidth, logicalDpiX()), TwipsToPixels(kFormHeight, logicalDpiY()));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setMenuBar(bar);
    column->addWidget(client_);
    column->setSizeConstraint(QLayout::SetFixedSize);
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

    for (QLineEdit* box : {txtGPX, txtMM, txtIcon, txtCacher}) box->installEventFilter(this);
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

    // The Options menu, whose entries a right click on the form, outside the text boxes, offers
    // too. Qt checks or clears a check entry before it tells of the click; the handlers then set
    // the option, which the view shows on the entry as it already is.
    QMenu* options = bar->addMenu(Text(kOptionsMenuCaption));
    options->setObjectName(QStringLiteral("mnuOptions"));
    for (const MenuItem& item : kOptionsMenu) {
        if (item.kind == MenuItemKind::Separator) {
            options->addSeparator();
            continue;
        }
        QAction* entry = options->addAction(Text(item.caption));
        entry->setObjectName(Text(item.name));
        entry->setCheckable(item.option != nullptr);
        connect(entry, &QAction::triggered, this, [handlers, &item] { handlers->OptionsMenu_Click(item); });
        // The icon box's own menu offers "Write Corvane's Icons Here" too.
        if (item.kind == MenuItemKind::WriteIcons) mnuWriteIcons = entry;
    }
    addActions(options->actions());
    setContextMenuPolicy(Qt::ActionsContextMenu);
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
        if (DraggedFiles(drag->mimeData()).isEmpty()) break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = DraggedFiles(drop->mimeData());
        if (files.isEmpty()) break;
        OpenGPX(files);
        drop->acceptProposedAction();
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvane
