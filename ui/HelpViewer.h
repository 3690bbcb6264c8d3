#pragma once
// The program's help window: a browser with contents, back and forward over
// the topics of our help files. A help file is plain text: each topic starts
// with a line "@topic <context number> <title>" and runs, as HTML, to the
// next such line; lines before the first topic are ignored.

#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <map>

class QToolButton;

namespace aerolune::ui {

struct HelpTopic {
    QString title;
    QString html;
};

/// Topics of a help file's text by context number; a malformed topic line is
/// skipped with the text under it.
std::map<int, HelpTopic> parseHelpFile(const QString& text);

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent);
    void setTopics(std::map<int, HelpTopic> topics, const QString& fileName);
    QVariant loadResource(int type, const QUrl& name) override;
    const std::map<int, HelpTopic>& topics() const { return topics_; }

private:
    QString contentsPage() const;
    std::map<int, HelpTopic> topics_;
    QString fileName_;
};

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);

    /// Opens the help file (a path) at a topic, or at the contents when
    /// the context number has no topic or contents is asked for. Returns false
    /// when the file cannot be read; the window then says so.
    bool open(const QString& path, int context, bool contents);

    HelpBrowser* browser() const { return browser_; }
    /// The topic shown, or -1 for the contents.
    int currentContext() const;

private:
    HelpBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QString path_;
};

}  // namespace aerolune::ui
