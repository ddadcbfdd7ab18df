// The chat log: one paragraph a line, the part up to the first ":" in bold, as the desktop shows
// it; the oldest lines go once there are more than the log keeps.

const MAX_LINES = 500;

export function addLine(log, text, colour, boldHead = true) {
  const atEnd = log.scrollTop + log.clientHeight >= log.scrollHeight - 4;
  const line = document.createElement('p');
  line.style.color = colour;
  const colon = text.indexOf(':');
  if (boldHead && colon >= 0) {
    const head = document.createElement('b');
    head.textContent = text.slice(0, colon + 1);
    line.append(head, text.slice(colon + 1));
  } else {
    line.textContent = text;
  }
  log.append(line);
  while (log.childElementCount > MAX_LINES) log.firstElementChild.remove();
  if (atEnd) log.scrollTop = log.scrollHeight;
}
