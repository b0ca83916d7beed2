#include "instructions_page.h"

namespace {

const char* const PAGE = R"PAGE(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Tarvik Solitaire: How to Play</title>
<style>
  body { margin: 0; background: #1d4a30; color: #2a2118; font: 16px/1.55 "Liberation Serif", Georgia, serif; }
  main { max-width: 46em; margin: 2em auto; background: #fbf7ec; padding: 1.5em 2.5em 2em;
         border: 6px solid #c9a041; border-radius: 14px; box-shadow: 0 6px 24px rgba(0,0,0,.45); }
  h1 { font-size: 2.1em; text-align: center; color: #7c1622; margin: .3em 0 .1em; }
  .suits { text-align: center; font-size: 1.4em; letter-spacing: .4em; margin: 0 0 1em; }
  .red { color: #c4162a; } .black { color: #1a1a20; }
  h2 { color: #7c1622; border-bottom: 2px solid #c9a041; padding-bottom: .15em; margin-top: 1.6em; }
  h3 { color: #1d4a30; margin: 1.2em 0 .3em; }
  nav { text-align: center; margin-bottom: 1em; }
  nav a { color: #1d4a30; margin: 0 .5em; font-weight: bold; text-decoration: none; }
  nav a:hover { text-decoration: underline; }
  table { border-collapse: collapse; width: 100%; margin: .6em 0; }
  th, td { border: 1px solid #d8c9a0; padding: .35em .6em; text-align: left; vertical-align: top; }
  th { background: #efe3c4; }
  .tip { background: #eef5ea; border-left: 5px solid #1d4a30; padding: .5em 1em; margin: .8em 0; }
  kbd { background: #eee; border: 1px solid #aaa; border-radius: 3px; padding: 0 .3em; font-size: .9em; }
  footer { text-align: center; color: #7a6a50; font-size: .9em; margin-top: 2em; }
</style>
</head>
<body>
<main>
<h1>Tarvik Solitaire</h1>
<p class="suits"><span class="black">&spades;</span><span class="red">&hearts;</span><span class="black">&clubs;</span><span class="red">&diams;</span></p>
<nav><a href="#start">Playing</a> <a href="#klondike">Klondike</a> <a href="#freecell">Freecell</a>
<a href="#scorpion">Scorpion</a> <a href="#sunflower">Mount Sunflower</a> <a href="#bakers">Baker's Dozen</a>
<a href="#menus">Menus</a> <a href="#scores">Scores</a></nav>

<h2 id="start">Playing</h2>
<p>The main menu shows five buttons on the right, one for each game. Point at a button and the picture on the
left shows that game's table; click it to deal. The cards are shuffled and fly one by one from the deck onto
their piles.</p>
<h3>Moving cards</h3>
<p>Everything is done with the left mouse button. Press on a card to pick it up, together with the cards lying
on it; keep the button down, drag, and release over the pile where the cards should go. If the rules allow
it they are placed there; otherwise they fly back to where they came from.</p>
<ul>
<li>A face-down card on top of a pile is turned over with a click; click it again to pick it up. A face-down
card with other cards on it cannot be picked up.</li>
<li>Cards are built <b>downwards</b> on the piles of the table (the tableau): a card goes on the card one rank
higher. Which suits may follow each other depends on the game. The ace is the lowest card, the king the highest.</li>
<li>A whole run of cards that already follow each other by the pile's rule moves in one go when its lowest
card fits where it is dropped. How many free cells or empty piles there are makes no difference.</li>
<li>An empty tableau pile takes only a <b>king</b>, alone or with the run on it. This is so in every game,
Freecell included.</li>
<li>The foundations are built <b>upwards in one suit</b>, from the ace to the king, one card at a time. A card
on a foundation stays there.</li>
<li>Nothing moves by itself: there are no automatic moves and no undo.</li>
</ul>
<div class="tip">Every drop over a pile counts as <b>one move</b>, whether the cards are placed or fly back,
even when they are dropped on the pile they came from. Cards let go away from every pile count nothing. The
move count is shown at the top left, and the fewer moves you need, the better your score.</div>
<h3>Winning</h3>
<p>When the last card is in place the cards dance, gather and spin, and "Congratulations!" appears with the
number of moves. If the game needed fewer moves than the tenth entry of the high-score table, you are asked
for your name and enter the table. The program does not decide that a game is lost: when you are stuck, use
<b>Redeal</b> or <b>Main Menu</b>.</p>

<h2 id="klondike">Klondike</h2>
<p>Seven tableau piles of one to seven cards, only the top card of each face up. The other 24 cards form the
stock at the top left; the four foundations lie at the top right.</p>
<ul>
<li>Build down in <b>alternating colours</b>: a red card on a black card one rank higher, a black card on a red one.</li>
<li>Click the top card of the stock to turn it face up onto the waste beside it. The top card of the waste may
be played onto the tableau or a foundation.</li>
<li>When the stock is used up, the next click that picks up no card (on the empty stock, for instance) turns
the whole waste back over into the stock, in the order it was dealt. You may go through the stock as often as
you like.</li>
<li>Win by moving all 52 cards to the foundations.</li>
</ul>

<h2 id="freecell">Freecell</h2>
<p>All 52 cards are dealt face up into eight columns: seven cards in each of the four on the left, six in each
of the four on the right. Above them lie four free cells on the left and four foundations on the right.</p>
<ul>
<li>Build down in <b>alternating colours</b>. A run in alternating colours moves as a whole, however long it is.</li>
<li>A free cell holds one card. Only a single card may be put in an empty cell, and from there it may be played
onto the tableau or a foundation.</li>
<li>An empty column takes only a king (with its run).</li>
<li>Win by moving all 52 cards to the foundations.</li>
</ul>

<h2 id="scorpion">Scorpion</h2>
<p>Seven columns of seven cards. In the four columns on the left the first three cards are face down and the
last four face up; the three columns on the right are all face up. The last three cards make the stock at the
top left. Scorpion has no foundations.</p>
<ul>
<li>A card goes on the next higher card <b>of the same suit</b> only.</li>
<li>Any face-up card may be picked up together with <b>everything</b> lying on it, whether those cards are in
order or not, and moved to where that card fits.</li>
<li>An empty column takes only a king, with whatever lies on it.</li>
<li>Click the stock to deal its three cards face up, one each onto the first three columns.</li>
<li>Win by building each suit in one column, from the king at the bottom to the ace on top. Four columns then
hold the four suits and three are empty.</li>
</ul>

<h2 id="sunflower">Mount Sunflower</h2>
<p>Seven columns of four cards. From left to right, 1, 2, 3, 4, 3, 2 and 1 of their cards are face up, the others
face down. The other 24 cards make the stock at the top left; the four foundations lie at the top right.</p>
<ul>
<li>Build down <b>by rank, whatever the suit or colour</b>: any card goes on any card one rank higher. A run
going down by rank moves as a whole.</li>
<li>Click the stock to deal one card face up onto each of the seven columns, as long as the stock lasts. The
stock is dealt only once.</li>
<li>An empty column takes only a king (with its run).</li>
<li>Win by moving all 52 cards to the foundations.</li>
</ul>

<h2 id="bakers">Baker's Dozen</h2>
<p>Thirteen columns of four face-up cards, seven in the upper row and six in the lower row. The four
foundations stand in a column on the right. There is no stock.</p>
<ul>
<li>Build down <b>by rank, whatever the suit or colour</b>. A run going down by rank moves as a whole.</li>
<li>An empty column takes only a king (with its run).</li>
<li>Win by moving all 52 cards to the foundations.</li>
</ul>

<h2 id="menus">Menus</h2>
<table>
<tr><th>Menu item</th><th>What it does</th></tr>
<tr><td>Game &rsaquo; Redeal</td><td>Deals the same game again. An unfinished game counts as lost.</td></tr>
<tr><td>Game &rsaquo; Main Menu</td><td>Leaves the game for the main menu. An unfinished game counts as lost.</td></tr>
<tr><td>Game &rsaquo; High Scores</td><td>The ten best results of all games, fewest moves first.</td></tr>
<tr><td>Game &rsaquo; Statistics</td><td>Wins and losses of each game, in this session and in all sessions, and
the number of games dealt. <b>Clear All Stats</b> starts them afresh.</td></tr>
<tr><td>Game &rsaquo; Options &rsaquo; Sound On</td><td>A soft tick after every drag.</td></tr>
<tr><td>Game &rsaquo; Options &rsaquo; Alternate Backgrounds</td><td>While a game is shown, the table cloth changes
on every full and half minute of the clock, taking the pictures of the <i>Backgrounds</i> folder in turn.</td></tr>
<tr><td>Game &rsaquo; Exit</td><td>Ends the program.</td></tr>
<tr><td>Help &rsaquo; Instructions</td><td>Opens this page.</td></tr>
<tr><td>Help &rsaquo; About...</td><td>Shows the program's version.</td></tr>
</table>
<p>Both options are on whenever the program starts. The keyboard has no function of its own in the game; the menus
open with <kbd>Alt</kbd> or <kbd>F10</kbd> as usual.</p>

<h2 id="scores">Scores and statistics</h2>
<p>A game is won when its last card is placed, and lost when you leave it unfinished with Redeal or Main Menu.
Closing the program counts nothing. The high-score table is one table of ten names for all five games, ranked by
the fewest moves. Statistics and high scores are kept in the file <i>stats.hsf</i> beside the program, written
when the program ends.</p>
<footer>Tarvik Solitaire 1.0 &middot; Thanks for playing!</footer>
</main>
</body>
</html>
)PAGE";

}  // namespace

QByteArray InstructionsPage()
{
    return QByteArray(PAGE);
}
