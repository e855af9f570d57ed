#include "editor/fit_hint.h"

namespace {

struct HintText {
    const char *word, *sentence;
    QRgb colour;
};

HintText hintFor(TextFit fit)
{
    switch (fit) {
    case TextFit::Whole: return {"맞음", "보드에 제 크기로 다 보입니다", 0x007A1E};
    case TextFit::Smaller: return {"작게", "보드에 작은 글씨로 다 보입니다", 0xB85C00};
    case TextFit::Cut: return {"잘림", "너무 길어 보드에서 끝이 잘립니다 (…)", 0xC00000};
    }
    return {"", "", 0};
}

}  // namespace

FitHint::FitHint(QWidget *parent, bool brief) : QLabel(parent), m_brief(brief)
{
    setAlignment(brief ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    QFont f = font();
    f.setBold(true);
    setFont(f);
    showFit(TextFit::Whole);
}

void FitHint::showFit(TextFit fit)
{
    m_fit = fit;
    const HintText h = hintFor(fit);
    setText(QString::fromUtf8(m_brief ? h.word : h.sentence));
    setToolTip(QString::fromUtf8(h.sentence));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(h.colour));
    setPalette(pal);
}
