#include "navigation/links.h"

#include "pages/generhtml.h"

#include <QRegularExpression>
#include <array>

namespace obzorka::navigation::links {
namespace {

using Kind = LinkAction::Kind;

struct LinkForm
{
    const char* pattern; // the whole target; a capture, when there is one, is its value
    Kind kind;
    bool fromSearch = false;
};

// Every link the pages write, as they write it.
constexpr std::array<LinkForm, 10> linkForms{{
    {R"(mailto:[^\s?&"<>@]+@[^\s?&"<>@]+(?:\?subject=[^&=?]*)?)", Kind::Mail},
    {R"(hledej\.htm\?od=(-?[0-9]{1,9}))", Kind::SearchPage},
    {R"(zpet\.htm)", Kind::BackToGrid},
    {R"(zpet\.htm\?hledej=true)", Kind::BackToSearch},
    {R"(vypisinf\.htm\?id=(-?[0-9]{1,18}))", Kind::Detail},
    {R"(vypisinf\.htm\?hledej=true&id=(-?[0-9]{1,18}))", Kind::Detail, true},
    {R"(upozor\.htm\?zpet=true&vypis=true&id=(-?[0-9]{1,18}))", Kind::ToggleTimeCell},
    {R"(upozor\.htm\?id=(-?[0-9]{1,18}))", Kind::ToggleDetailLink},
    {R"(vypishod20\.htm)", Kind::JumpToEight},
    {R"((help[a-z]+\.html))", Kind::Help},
}};

} // namespace

LinkAction parseLink(QString target)
{
    static const auto forms = [] {
        std::array<QRegularExpression, linkForms.size()> compiled;
        for (size_t i = 0; i < linkForms.size(); ++i)
            compiled.at(i).setPattern(
                QRegularExpression::anchoredPattern(QString::fromLatin1(linkForms.at(i).pattern)));
        return compiled;
    }();
    target.remove(QStringLiteral("about:blank"));
    LinkAction action;
    action.target = target;
    for (size_t i = 0; i < linkForms.size(); ++i) {
        const QRegularExpressionMatch match = forms.at(i).match(target);
        if (!match.hasMatch())
            continue;
        const LinkForm& form = linkForms.at(i);
        const QString value = match.captured(1);
        if (form.kind == Kind::Help && !pages::helpPageNames().contains(value))
            return action;
        action.kind = form.kind;
        action.fromSearch = form.fromSearch;
        if (form.kind == Kind::SearchPage)
            action.od = value;
        else if (form.kind == Kind::Help)
            action.name = value;
        else
            action.id = value;
        return action;
    }
    return action;
}

} // namespace obzorka::navigation::links
