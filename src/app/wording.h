// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <utility>

namespace kalkora {

// Every word the trainer shows or says, written once. The program speaks
// Hungarian, to children, whatever the user's language.

// The window and its menu.
inline constexpr QStringView kWindowTitle = u"Kalkora gyakorló";
inline constexpr QStringView kEndCommand = u"&Befejezés";

// The tabs.
inline constexpr QStringView kAdditionTab = u"Összeadás";
inline constexpr QStringView kSubtractionTab = u"Kivonás";
inline constexpr QStringView kCompletionTab = u"Pótlás";
inline constexpr QStringView kMultiplicationTab = u"Szorzás";
inline constexpr QStringView kDivisionTab = u"Osztás";

// A page's captions.
inline constexpr QStringView kCheck = u"Nézzük...";
// "Felaldva" is spelt as earlier versions showed it, which children and
// teachers know the page by; it is not a typing error to mend.
inline constexpr QStringView kGivenCaption = u"Felaldva:";
inline constexpr QStringView kGivenAfter = u"feladat";
inline constexpr QStringView kRightCaption = u"Jó válasz:";
inline constexpr QStringView kWrongCaption = u"Hibás válasz:";
inline constexpr QStringView kResultLimit = u"Eredmény max.:";
inline constexpr QStringView kNumberLimit = u"Szám max.:";
inline constexpr QStringView kMultiplierLimit = u"Szorzó max.:";
inline constexpr QStringView kDivisorLimit = u"Osztó max.:";

// The result banner.
inline constexpr QStringView kRightVerdict = u"Ügyes vagy!";
inline constexpr QStringView kWrongVerdict = u"Az eredmény HIBÁS!";

// The history list's column headers (the sign columns show their sign), and
// the sign between a problem and its answer.
inline constexpr QStringView kFirstHeader = u"Szám 1";
inline constexpr QStringView kSecondHeader = u"Szám 2";
inline constexpr QStringView kEquals = u"=";

// After the share of right answers.
inline constexpr QStringView kPercentSign = u" %";

// What a screen reader is told of the controls.
inline constexpr QStringView kFirstNumber = u"Első szám";
inline constexpr QStringView kSecondNumber = u"Második szám";
inline constexpr QStringView kResult = u"Eredmény";
inline constexpr QStringView kDividend = u"Osztandó";
inline constexpr QStringView kDivisor = u"Osztó";
inline constexpr QStringView kAnswer = u"Válasz";
inline constexpr QStringView kProblem = u"Feladat:";
inline constexpr QStringView kUnknown = u"mennyi";
inline constexpr QStringView kCheckDescription = u"A válasz ellenőrzése";
inline constexpr QStringView kPercentName = u"Jó válaszok aránya:";
inline constexpr QStringView kHistoryName = u"Eddigi feladatok";
// How the signs of a problem are read out.
inline constexpr std::pair<QStringView, QStringView> kSignWords[] = {
    {u"+", u"plusz"}, {u"-", u"mínusz"}, {u"*", u"szorozva"}, {u":", u"osztva"}, {u"=", u"egyenlő"},
};

// The end question.
// Both as earlier versions showed them: the title with a blank on either side,
// centring it in narrow title bars, and the question with an empty line
// below it, which sets it apart from the buttons.
inline constexpr QStringView kEndTitle = u" Kilépés ";
inline constexpr QStringView kEndQuestion = u"Biztos hogy Befejezed?\r\n\r\n";

// Faults of the settings file; %1 is the file's name.
inline constexpr QStringView kLoadFailed =
    u"A beállításokat nem sikerült betölteni a %1 fájlból. A program az alapbeállításokkal indul.";
inline constexpr QStringView kSaveFailed = u"A beállításokat nem sikerült elmenteni a %1 fájlba.";

} // namespace kalkora
