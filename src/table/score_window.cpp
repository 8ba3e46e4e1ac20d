#include "score_window.h"

#include <QLabel>
#include <QPainter>

#include "aux_window_look.h"
#include "cursors.h"
#include "font_roles.h"
#include "gif_player.h"
#include "pictures.h"
#include "skin_button.h"
#include "touch_effect.h"
#include "words.h"

namespace klondar::table {
namespace {

constexpr int kWidth = 325;
constexpr int kValueX = 196;
constexpr int kRowHeight = 34;
// The texts keep within the scroll's sheet; a caption takes up to two lines left of the
// value column.
constexpr int kTextLeft = 28;
constexpr int kTextWidth = kWidth - 2 * kTextLeft;
constexpr int kCaptionWidth = kValueX - 6 - kTextLeft;
constexpr QSize kScrollSize(315, 400);
// Below the figures: the large animation between the two small ones, 300 below the header.
constexpr int kAnimationsTop = 296;
constexpr int kGeneralCountFrame = 14;  // where it stands with the animations off

// Where Image0 stands, where the header picture lies on it, and where the account picture
// and its lamp go on it.
struct HeaderPlaces {
  int clientHeight;
  QRect image;
  QRect picture;
  QPoint account;
  QPoint lamp;
};

HeaderPlaces PlacesFor(int design) {
  switch (design) {
    case 1:
      return {510, {0, 0, kWidth, 50}, {0, 0, kWidth, 50}, {23, 0}, {47, 0}};
    case 3:
      return {560, {0, 0, kWidth, 100}, {50, 0, 200, 100}, {0, 25}, {24, 25}};
    default:
      return {525, {(kWidth - 300) / 2, 0, 300, 64}, {0, 0, 300, 64}, {25, 7}, {49, 7}};
  }
}

QPixmap HeaderPicture(int design, int accountState) {
  const HeaderPlaces places = PlacesFor(design);
  QPixmap header(places.image.size());
  header.fill(Qt::transparent);
  QPainter p(&header);
  PaintHeader(p, design, places.picture, "INFO", 40);
  p.drawPixmap(places.account, Picture("Account48"));
  p.drawPixmap(places.lamp, Picture(LampPictureName(accountState)));
  return header;
}

QFont SerifFont(int size, bool bold) {
  QFont f("serif");
  f.setPixelSize(FontHeightFor(size, FontRole::kSerif));
  f.setBold(bold);
  return f;
}

}  // namespace

ClubAnimations ClubAnimationsFor(ScoreMode mode, int accountState) {
  switch (mode) {
    case ScoreMode::kTournament: return {"GClubE", ""};
    case ScoreMode::kDuel: return {"GClubG", ""};
    case ScoreMode::kLocal: break;
  }
  if (accountState == 3) return {"GClubA", "GClubB"};
  return {"GClubC", "GClubF"};
}

TFormCount::TFormCount(const std::array<QString, 7>& figures, const QString& memberName, int design,
                       bool salute, bool animate, QWidget* parent, int accountState,
                       ScoreMode mode)
    : QDialog(parent) {
  setObjectName("TFormCount");
  setWindowTitle(Text(Word::kPlayer) + ":  " + memberName.trimmed());
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  const int shown = ShownDesign(design);
  const HeaderPlaces places = PlacesFor(shown);
  setFixedSize(kWidth, places.clientHeight);
  const int top = places.image.bottom() + 1;

  auto* header = new QLabel(this);
  header->setObjectName("Image0");
  header->setGeometry(places.image);
  header->setPixmap(HeaderPicture(shown, accountState));
  auto* scroll = new QLabel(this);
  scroll->setObjectName("Image1");
  scroll->setGeometry(QRect(QPoint(5, top + 4), kScrollSize));
  scroll->setPixmap(PictureScaled("GSvitok", kScrollSize));

  auto* title = new QLabel(Text(Word::kInformationAboutGame), this);
  title->setObjectName("Label1");
  QFont titleFont = SerifFont(20, true);
  FitToWidth(titleFont, title->text(), kTextWidth);
  title->setFont(titleFont);
  title->setStyleSheet("color: #8b0000; background: transparent;");
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(kTextLeft, top + 26, kTextWidth, 28);

  const Word captions[7] = {Word::kGeneralNumberOfGames, Word::kGamesInCurrentCycle,
                            Word::kTheInitialScore,      Word::kTheCurrentScore,
                            Word::kTheGeneralScore,      Word::kTheInitialRating,
                            Word::kTheCurrentRating};
  // One size for all captions, the one the longest needs in its two lines.
  QFont captionFont = SerifFont(14, false);
  for (const Word caption : captions) FitToLines(captionFont, Text(caption), kCaptionWidth, 2);
  for (int row = 0; row < 7; ++row) {
    const int y = top + 58 + row * kRowHeight;
    auto* caption = new QLabel(Text(captions[row]), this);
    caption->setObjectName(QString("Label%1a").arg(row + 1));
    caption->setFont(captionFont);
    caption->setWordWrap(true);
    caption->setStyleSheet("color: #3a2a10; background: transparent;");
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setGeometry(kTextLeft, y, kCaptionWidth, kRowHeight);
    auto* value = new QLabel(figures[static_cast<std::size_t>(row)], this);
    value->setObjectName(QString("Label%1b").arg(row + 1));
    QFont valueFont = SerifFont(24, true);
    FitToWidth(valueFont, value->text(), kWidth - kTextLeft - kValueX);
    value->setFont(valueFont);
    value->setStyleSheet("color: #102060; background: transparent;");
    value->setGeometry(kValueX, y, kWidth - kTextLeft - kValueX, kRowHeight);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values_[static_cast<std::size_t>(row)] = value;
  }

  // The large animation runs with the option on; the club's small ones always run.
  const int animationsTop = top + kAnimationsTop;
  const ClubAnimations club = ClubAnimationsFor(mode, accountState);
  const struct {
    const char* name;
    QRect place;
    QString animation;
  } players[3] = {{"RxGIFAn1", {112, animationsTop - 8, 100, 90}, "GGenCount"},
                  {"RxGIFAn2", {50, animationsTop, 60, 75}, club.left},
                  {"RxGIFAn3", {215, animationsTop, 60, 75}, club.right}};
  for (std::size_t i = 0; i < 3; ++i) {
    auto* player = new GifPlayer(players[i].name, this);
    player->setGeometry(players[i].place);
    player->SetAnimation(players[i].animation);
    animations_[i] = player;
  }
  if (animate) {
    animations_[0]->Play();
  } else {
    animations_[0]->StandOn(kGeneralCountFrame);
  }
  animations_[1]->Play();
  animations_[2]->Play();

  auto* ok = new TVelCardsButton(this);
  ok->setObjectName("Button1");
  ok->setText(Text(Word::kOk));
  ok->SetColorSB(SkinColour::DRed);
  ok->SetFontPixels(FontHeightFor(20, FontRole::kSerif));
  ok->setGeometry(kWidth / 2 - 60, height() - 44, 120, 32);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this, salute] {
    if (salute) PlayTouchEffect(*this);
    animations_[0]->Clear();
    animations_[0]->hide();
    accept();
  });
}

QString TFormCount::Figure(int row) const { return values_[static_cast<std::size_t>(row)]->text(); }

void TFormCount::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ButtonFace());
}

}  // namespace klondar::table
