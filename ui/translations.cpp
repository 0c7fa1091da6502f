#include "ui/translations.h"

#include "ui/languages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QTabWidget>
#include <QTranslator>
#include <QWidget>
#include <QXmlStreamReader>

namespace kv {

namespace {

// The source texts come from one of the translation files built into the
// program: all of them list the same sources.
constexpr const char* kSourceList = ":/i18n/sources/korvelan_en.ts";

QString qmPath(const LanguageEntry& e)
{
    return QString(":/i18n/korvelan_%1.qm").arg(QLatin1String(e.code.data(), e.code.size()));
}

QByteArray recordName(const QString& key) { return "_kv_source_" + key.toLatin1(); }

} // namespace

Translations::Translations(QObject* parent) : QObject(parent)
{
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const LanguageEntry& e : kLanguageTable) {
        const QString code = QString::fromLatin1(e.code.data(), e.code.size());
        if (e.index != French) {
            auto t = std::make_unique<QTranslator>();
            if (t->load(qmPath(e))) ours_[e.index] = std::move(t);
        }
        auto q = std::make_unique<QTranslator>();
        if (q->load(QLocale(code), "qtbase", "_", qtDir)) qtOwn_[e.index] = std::move(q);
    }
    loadSources();
    qApp->installEventFilter(this);
}

Translations::~Translations()
{
    if (ours_[index_]) QCoreApplication::removeTranslator(ours_[index_].get());
    if (qtOwn_[index_]) QCoreApplication::removeTranslator(qtOwn_[index_].get());
}

void Translations::loadSources()
{
    QFile f(kSourceList);
    if (!f.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&f);
    QString context;
    Source current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == u"context") context.clear();
        else if (name == u"name" && context.isEmpty()) context = xml.readElementText();
        else if (name == u"message") current = Source { context, {}, {} };
        else if (name == u"source") current.text = xml.readElementText();
        else if (name == u"comment") current.disambiguation = xml.readElementText();
        else if (name == u"translation") sources_.push_back(current);
    }
    for (int i = 0; i < static_cast<int>(sources_.size()); ++i) {
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            const QString shown = translate(lang, sources_[i]);
            std::vector<int>& ids = shownToSource_[shown];
            if (std::find(ids.begin(), ids.end(), i) == ids.end()) ids.push_back(i);
        }
    }
}

QString Translations::translate(int language, const Source& s) const
{
    if (language <= French || language >= kLanguageCount || !ours_[language]) return s.text;
    const QByteArray ctx = s.context.toUtf8(), text = s.text.toUtf8(),
                     dis = s.disambiguation.toUtf8();
    QString t = ours_[language]->translate(ctx.constData(), text.constData(),
                                           dis.isEmpty() ? nullptr : dis.constData());
    return t.isEmpty() ? s.text : t;
}

bool Translations::apply(int index)
{
    if (index < 0 || index >= kLanguageCount) return false;
    if (index != French && !ours_[index]) return false;
    if (ours_[index_]) QCoreApplication::removeTranslator(ours_[index_].get());
    if (qtOwn_[index_]) QCoreApplication::removeTranslator(qtOwn_[index_].get());
    index_ = index;
    if (qtOwn_[index_]) QCoreApplication::installTranslator(qtOwn_[index_].get());
    if (ours_[index_]) QCoreApplication::installTranslator(ours_[index_].get());
    if (!ours_[index_] && !qtOwn_[index_]) {
        // Nothing was installed or removed, so Qt sends no LanguageChange of its own.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(qApp, &change);
    }
    return true;
}

// Which source `shown` was made from: the one recorded when this text was last
// set here, else any source one of the six languages shows as `shown`, the
// recorded context first.
const Translations::Source* Translations::sourceOf(QObject* o, const QString& key,
                                                   const QString& shown) const
{
    const QStringList record = o->property(recordName(key)).toStringList();
    if (record.size() == 2 && record[1] == shown) {
        const int id = record[0].toInt();
        if (id >= 0 && id < static_cast<int>(sources_.size())) return &sources_[id];
    }
    auto it = shownToSource_.constFind(shown);
    if (it == shownToSource_.constEnd()) return nullptr;
    const QString lastContext
        = record.size() == 2 ? sources_[record[0].toInt()].context : QString();
    for (int id : *it)
        if (sources_[id].context == lastContext) return &sources_[id];
    for (int id : *it)
        if (sources_[id].text == shown) return &sources_[id];
    return &sources_[it->front()];
}

template <class Setter>
void Translations::follow(QObject* o, const QString& key, const QString& shown, Setter set) const
{
    if (shown.isEmpty()) return;
    const Source* s = sourceOf(o, key, shown);
    if (!s) {
        o->setProperty(recordName(key), QVariant());
        return;
    }
    const QString now = translate(index_, *s);
    if (now != shown) set(now);
    o->setProperty(recordName(key), QStringList { QString::number(s - sources_.data()), now });
}

void Translations::retranslateTree(QWidget* root) const
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->isWindow())
            follow(w, "title", w->windowTitle(), [w](const QString& t) { w->setWindowTitle(t); });
        follow(w, "tip", w->toolTip(), [w](const QString& t) { w->setToolTip(t); });
        follow(w, "status", w->statusTip(), [w](const QString& t) { w->setStatusTip(t); });
        if (auto* l = qobject_cast<QLabel*>(w))
            follow(l, "text", l->text(), [l](const QString& t) { l->setText(t); });
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            follow(b, "text", b->text(), [b](const QString& t) { b->setText(t); });
        if (auto* g = qobject_cast<QGroupBox*>(w))
            follow(g, "text", g->title(), [g](const QString& t) { g->setTitle(t); });
        if (auto* e = qobject_cast<QLineEdit*>(w))
            follow(e, "placeholder", e->placeholderText(),
                   [e](const QString& t) { e->setPlaceholderText(t); });
        if (auto* p = qobject_cast<QProgressBar*>(w))
            follow(p, "format", p->format(), [p](const QString& t) { p->setFormat(t); });
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                follow(tabs, QString("tab%1").arg(i), tabs->tabText(i),
                       [tabs, i](const QString& t) { tabs->setTabText(i, t); });
                follow(tabs, QString("tabtip%1").arg(i), tabs->tabToolTip(i),
                       [tabs, i](const QString& t) { tabs->setTabToolTip(i, t); });
            }
        }
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i)
                follow(c, QString("item%1").arg(i), c->itemText(i),
                       [c, i](const QString& t) { c->setItemText(i, t); });
        }
    }
    for (QAction* a : root->findChildren<QAction*>()) {
        follow(a, "text", a->text(), [a](const QString& t) { a->setText(t); });
        follow(a, "status", a->statusTip(), [a](const QString& t) { a->setStatusTip(t); });
    }
}

// Every window follows a language change, including windows that keep no
// state-dependent texts of their own; their changeEvent, if any, runs after.
bool Translations::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow()) retranslateTree(w);
    }
    return false;
}

} // namespace kv
