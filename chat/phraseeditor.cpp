#include "chat/phraseeditor.h"

#include "chat/phrasebuttons.h"
#include "messaging/errors.h"
#include "resources/artwork.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"
#include "translations/livetexts.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictova {

PhraseEditor::PhraseEditor(PhraseButtons& buttons, QWidget* parent) : QDialog(parent), m_buttons(buttons)
{
    setObjectName(QStringLiteral("phraseEditor"));
    auto* texts = new LiveTexts(this);
    texts->add([this] { setWindowTitle(tr("Pictova - Phrase Buttons")); });
    setModal(false);

    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (int n = 1; n <= PhraseButtons::kCount; ++n) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("phrase%1").arg(n));
        edit->setMaxLength(kMaxPhraseLength);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 32);
        // The tenth button sits on the key 0, after 9.
        auto* label = new QLabel(this);
        texts->add([label, n] { label->setText(tr("Phrase Button %1:").arg(n % 10)); });
        label->setBuddy(edit);
        form->addRow(label, edit);
        m_fields[n - 1] = edit;
    }
    column->addLayout(form);

    m_done = new QPushButton(this);
    texts->add([this] { m_done->setText(tr("Done")); });
    m_done->setObjectName(QStringLiteral("doneButton"));
    m_done->setAutoDefault(false);
    connect(m_done, &QPushButton::clicked, this, &PhraseEditor::keepPhrases);
    column->addWidget(m_done, 0, Qt::AlignHCenter);

    applyBackground();
    DialogZoom::whenZoomed(this, [this] { applyBackground(); });
}

QLineEdit* PhraseEditor::field(int n) const
{
    return n >= 1 && n <= PhraseButtons::kCount ? m_fields[n - 1] : nullptr;
}

void PhraseEditor::applyBackground()
{
    const QPixmap tile = design::picture(this, artwork::backgroundTileAt);
    if (tile.isNull())
        return;
    QPalette colours = palette();
    colours.setBrush(QPalette::Window, QBrush(tile));
    setPalette(colours);
    setAutoFillBackground(true);
}

void PhraseEditor::showPhrases()
{
    for (int n = 1; n <= PhraseButtons::kCount; ++n)
        m_fields[n - 1]->setText(m_buttons.phraseText(n));
    show();
    raise();
    activateWindow();
}

void PhraseEditor::keepPhrases()
{
    QStringList texts;
    for (int n = 1; n <= PhraseButtons::kCount; ++n) {
        m_buttons.setPhraseText(n, m_fields[n - 1]->text());
        texts << m_fields[n - 1]->text();
    }
    if (m_storePhrases) {
        try {
            m_storePhrases(texts);
        } catch (const PictovaError& error) {
            // The buttons keep the new texts for this run; the editor stays open to try again.
            reportError(error.text());
            return;
        }
    }
    hide();
}

void PhraseEditor::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        applyBackground();
}

void PhraseEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    applyBackground();
}

} // namespace pictova
