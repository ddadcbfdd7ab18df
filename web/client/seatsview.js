// The seats beside the board: names, scores, the drawer's arrow, watchers and, in a team game,
// the two sides' points; and the list of a turn's guesses.

import { BOARD_SEATS } from './protocol.js';
import { t } from './i18n.js';

function item(text) {
  const element = document.createElement('li');
  element.textContent = text;
  return element;
}

export function renderList(list, lines) {
  if (list.childElementCount === lines.length) return;
  list.replaceChildren(...lines.map(item));
  list.scrollTop = list.scrollHeight;
}

export function renderSeats(game, { seats, watchers, totals }) {
  const rows = [];
  const points = game.points && game.points.shown ? game.points : null;
  for (let seat = 1; seat <= BOARD_SEATS; seat++) {
    const shown = game.seats[seat];
    if (!shown.taken) continue;
    const row = document.createElement('li');
    if (seat === game.drawer && game.drawer !== 0) row.classList.add('drawer');
    if (game.team && seat % 2 === 1) row.classList.add('black-team');
    const name = document.createElement('span');
    name.className = 'name';
    name.textContent = shown.name + (shown.watching ? ' 👀' : '');
    const score = document.createElement('span');
    score.textContent = String(shown.score);
    if (points && (seat === points.drawer || seat === points.guesser)) {
      const extra = document.createElement('span');
      extra.className = 'points';
      extra.textContent = seat === points.guesser ? points.guesserText : '+1';
      score.append(extra);
    }
    row.append(name, score);
    rows.push(row);
  }
  seats.replaceChildren(...rows);
  const spies = [];
  for (let seat = BOARD_SEATS + 1; seat < game.seats.length; seat++)
    if (game.seats[seat].taken) spies.push(item(`👁 ${game.seats[seat].name}`));
  watchers.replaceChildren(...spies);
  totals.hidden = !game.team;
  if (game.team) totals.textContent = `${t('Black Team')} ${game.seats[1].score} · ${t('Maroon Team')} ${game.seats[2].score}`;
}
