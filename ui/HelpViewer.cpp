#include "ui/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/toolkit/Placement.h"

namespace aerolune::ui {

namespace {

const QString kScheme = "help";

QUrl topicUrl(int context) { return QUrl(kScheme + ":" + QString::number(context)); }
const QUrl kContentsUrl(kScheme + ":contents");

}  // namespace

std::map<int, HelpTopic> parseHelpFile(const QString& text) {
    static const QRegularExpression heading(R"(^@topic\s+(\d+)\s+(.*)$)");
    std::map<int, HelpTopic> topics;
    HelpTopic* current = nullptr;
    for (const QString& line : text.split('\n')) {
        if (line.startsWith("@topic")) {
            const QRegularExpressionMatch m = heading.match(line.trimmed());
            current = m.hasMatch() ? &topics[m.captured(1).toInt()] : nullptr;
            if (current) *current = {m.captured(2).trimmed(), {}};
            continue;
        }
        if (current) current->html += line + '\n';
    }
    return topics;
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("HelpBrowser");
    setOpenExternalLinks(false);
}

void HelpBrowser::setTopics(std::map<int, HelpTopic> topics, const QString& fileName) {
    topics_ = std::move(topics);
    fileName_ = fileName;
    clearHistory();
}

QString HelpBrowser::contentsPage() const {
    QString html = "<h2>Aerolune Help: Contents</h2>";
    if (topics_.empty())
        return html + "<p>The help file " + fileName_.toHtmlEscaped() + " could not be read.</p>";
    html += "<ul>";
    for (const auto& [context, topic] : topics_)
        html += QString("<li><a href=\"%1\">%2</a></li>")
                    .arg(topicUrl(context).toString(), topic.title.toHtmlEscaped());
    return html + "</ul>";
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != kScheme) return QTextBrowser::loadResource(type, name);
    if (name == kContentsUrl) return contentsPage();
    auto it = topics_.find(name.path().toInt());
    if (it == topics_.end()) return contentsPage();
    return "<h2>" + it->second.title.toHtmlEscaped() + "</h2>" + it->second.html + "<p><a href=\"" +
           kContentsUrl.toString() + "\">Contents</a></p>";
}

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("HelpViewer");
    setWindowTitle("Aerolune Help");
    auto* column = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* contents = new QToolButton(this);
    contents->setObjectName("HelpContents");
    contents->setText("Contents");
    back_ = new QToolButton(this);
    back_->setObjectName("HelpBack");
    back_->setText("Back");
    forward_ = new QToolButton(this);
    forward_->setObjectName("HelpForward");
    forward_->setText("Forward");
    for (QToolButton* b : {contents, back_, forward_}) row->addWidget(b);
    row->addStretch(1);
    column->addLayout(row);
    browser_ = new HelpBrowser(this);
    column->addWidget(browser_, 1);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QToolButton::clicked, browser_, [this] { browser_->setSource(kContentsUrl); });
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    resize(560, 480);
}

bool HelpViewer::open(const QString& path, int context, bool contents) {
    bool ok = true;
    if (path != path_ || browser_->topics().empty()) {
        QFile file(path);
        ok = file.open(QIODevice::ReadOnly | QIODevice::Text);
        browser_->setTopics(
            ok ? parseHelpFile(QString::fromUtf8(file.readAll())) : std::map<int, HelpTopic>{},
            QFileInfo(path).fileName());
        ok = ok && !browser_->topics().empty();
        path_ = ok ? path : QString();
    }
    const bool hasTopic = browser_->topics().count(context) != 0;
    browser_->setSource(contents || !hasTopic ? kContentsUrl : topicUrl(context));
    if (!isVisible() && parentWidget()) CenterOverWindow(*this, *parentWidget()->window());
    show();
    raise();
    return ok;
}

int HelpViewer::currentContext() const {
    const QUrl source = browser_->source();
    if (source.scheme() != kScheme || source == kContentsUrl) return -1;
    return source.path().toInt();
}

}  // namespace aerolune::ui
