#pragma once

#include <QString>

namespace quillet {

// What the article selector yields: a node's id and caption. Before anything is picked the
// caption is empty; cancelling sets the id to -1 and empties the caption. The choice lives
// as long as the selector, so it carries over from one showing to the next.
class ArticleChoice {
public:
    void pick(qint32 id, const QString& caption) {
        id_ = id;
        caption_ = caption;
    }
    void cancel() { pick(-1, QString()); }

    qint32 id() const { return id_; }
    QString caption() const { return caption_; }
    // A showing counts as a pick only when confirmed with a caption.
    bool isUsable(bool confirmed) const { return confirmed && !caption_.isEmpty(); }

private:
    qint32 id_ = -1;
    QString caption_;
};

} // namespace quillet
