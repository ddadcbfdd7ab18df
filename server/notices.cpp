#include "server/notices.h"

#include "messaging/catalogue.h"

#include <algorithm>

namespace pictova::notices {

namespace {
// English first: a client that announced no language reads these exactly as the first version's
// clients always have.
constexpr std::array kNotices = {
    Notice{Id::CloseGuess,
           Form::ServerLine,
           {"'%1' is close!", "„%1“ ist nah dran!", "« %1 » : tu y es presque !", "¡«%1» está cerca!",
            "“%1” está quase!"}},
    Notice{Id::SlowDown,
           Form::ServerLine,
           {"Slow down: %1 lines were not sent.", "Langsamer: %1 Zeilen wurden nicht gesendet.",
            "Doucement : %1 lignes n’ont pas été envoyées.", "Más despacio: no se enviaron %1 líneas.",
            "Mais devagar: %1 linhas não foram enviadas."}},
    Notice{Id::TakenAsGuess,
           Form::ServerLine,
           {"Your line held a word of the answer, so it was taken as a guess.",
            "Deine Zeile enthielt ein Wort der Antwort und wurde darum als Rateversuch gewertet.",
            "Ta ligne contenait un mot de la réponse : elle a compté comme proposition.",
            "Tu línea tenía una palabra de la respuesta, así que contó como intento.",
            "Sua linha tinha uma palavra da resposta, então valeu como palpite."}},
    Notice{Id::AnswerWithheld,
           Form::ServerLine,
           {"Your line held a word of the answer and was not sent.",
            "Deine Zeile enthielt ein Wort der Antwort und wurde nicht gesendet.",
            "Ta ligne contenait un mot de la réponse et n’a pas été envoyée.",
            "Tu línea tenía una palabra de la respuesta y no se envió.",
            "Sua linha tinha uma palavra da resposta e não foi enviada."}},
    Notice{Id::LineCut,
           Form::ServerLine,
           {"Your line was longer than %1 characters and was cut.",
            "Deine Zeile war länger als %1 Zeichen und wurde gekürzt.",
            "Ta ligne dépassait %1 caractères et a été coupée.",
            "Tu línea tenía más de %1 caracteres y se cortó.",
            "Sua linha tinha mais de %1 caracteres e foi cortada."}},
    Notice{Id::UndoRefused,
           Form::ServerLine,
           {"Your last line was not taken back: a player's board would have to be sent the whole "
            "drawing again. Try again in a few seconds.",
            "Deine letzte Linie wurde nicht zurückgenommen: Die Tafel eines Spielers müsste die ganze "
            "Zeichnung noch einmal bekommen. Versuche es in ein paar Sekunden wieder.",
            "Ton dernier trait n’a pas été annulé : il faudrait renvoyer tout le dessin au tableau d’un "
            "joueur. Réessaie dans quelques secondes.",
            "Tu último trazo no se deshizo: habría que volver a enviar todo el dibujo al tablero de un "
            "jugador. Inténtalo de nuevo en unos segundos.",
            "Seu último traço não foi desfeito: o quadro de um jogador teria de receber o desenho inteiro "
            "de novo. Tente outra vez em alguns segundos."}},
    Notice{Id::WaitingForPlayer,
           Form::ServerLine,
           {"Waiting for a second player to join.", "Warte auf einen zweiten Spieler.",
            "En attente d’un deuxième joueur.", "Esperando a que se una un segundo jugador.",
            "Esperando um segundo jogador entrar."}},
    Notice{Id::IsBack,
           Form::PlayerAction,
           {"is back.", "ist zurück.", "est de retour.", "ha vuelto.", "voltou."}},
};

constexpr std::array<const char*, kLanguages> kServerLine = {"Server: %1", "Server: %1", "Serveur : %1",
                                                             "Servidor: %1", "Servidor: %1"};

qsizetype languageIndex(const QString& language)
{
    return std::max<qsizetype>(feature::languages().indexOf(language), 0);
}

const Notice& find(Id id)
{
    return *std::find_if(kNotices.begin(), kNotices.end(), [id](const Notice& n) { return n.id == id; });
}
} // namespace

std::span<const Notice> all()
{
    return kNotices;
}

const std::array<const char*, kLanguages>& serverLine()
{
    return kServerLine;
}

QString text(Id id, const QString& language, const QString& value)
{
    const QString text = QString::fromUtf8(find(id).texts.at(languageIndex(language)));
    return text.contains(QLatin1String("%1")) ? text.arg(value) : text;
}

QByteArray message(Id id, const QString& language, const QString& value)
{
    const qsizetype index = languageIndex(language);
    if (find(id).form == Form::PlayerAction)
        return toclient::action(value, text(id, language) + QStringLiteral("|clGreen"));
    return toclient::serverLine(QString::fromUtf8(kServerLine.at(index)).arg(text(id, language, value)));
}

} // namespace pictova::notices
