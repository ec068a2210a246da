#include "Class/UI/Registration/ViewModel/UserPerceivedCharacters.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace tolvane::app {
namespace {

// Calls `visit` with the end of each character in turn until it returns false.
template <class Visit>
void forEachCharacterEnd(const QString& text, Visit visit)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        if (!visit(finder.position()))
            return;
}

} // namespace

size_t UserPerceivedCharacters::count(const std::string& text)
{
    size_t characters = 0;
    forEachCharacterEnd(QString::fromStdString(text), [&](qsizetype) {
        ++characters;
        return true;
    });
    return characters;
}

std::string UserPerceivedCharacters::prefix(const std::string& text, size_t length)
{
    const QString whole = QString::fromStdString(text);
    qsizetype end = 0;
    size_t characters = 0;
    forEachCharacterEnd(whole, [&](qsizetype position) {
        if (characters == length)
            return false;
        ++characters;
        end = position;
        return true;
    });
    return whole.left(end).toStdString();
}

} // namespace tolvane::app
