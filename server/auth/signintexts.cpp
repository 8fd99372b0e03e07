#include "server/auth/signintexts.h"

#include <QList>
#include <QStringList>

#include <iterator>

namespace PennibarServer {

namespace {

// The column of each language in the table below.
const QStringList kLanguages = {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"),
                                QStringLiteral("fr"), QStringLiteral("ja")};

struct Row
{
    const char* words[5];
};

// One row per SignInTexts::Text, in its order.
const Row kTexts[] = {
    {{"Sign in to Pennibar", "Iniciar sesión en Pennibar", "Bei Pennibar anmelden",
      "Se connecter à Pennibar", "Pennibar にサインイン"}},
    {{"Create your Pennibar account", "Cree su cuenta de Pennibar", "Ihr Pennibar-Konto anlegen",
      "Créez votre compte Pennibar", "Pennibar アカウントを作成"}},
    {{"Sign-in is not possible", "No es posible iniciar sesión", "Anmeldung nicht möglich",
      "Connexion impossible", "サインインできません"}},
    {{"E-mail", "Correo electrónico", "E-Mail", "E-mail", "メールアドレス"}},
    {{"Password", "Contraseña", "Passwort", "Mot de passe", "パスワード"}},
    {{"Your name", "Su nombre", "Ihr Name", "Votre nom", "お名前"}},
    {{"Password (at least 8 characters)", "Contraseña (al menos 8 caracteres)",
      "Passwort (mindestens 8 Zeichen)", "Mot de passe (au moins 8 caractères)",
      "パスワード（8 文字以上）"}},
    {{"Repeat the password", "Repita la contraseña", "Passwort wiederholen",
      "Répétez le mot de passe", "パスワードをもう一度入力"}},
    {{"Sign in", "Iniciar sesión", "Anmelden", "Se connecter", "サインイン"}},
    {{"Create account", "Registrarse", "Registrieren", "S'inscrire", "登録"}},
    {{"I already have an account", "Ya tengo una cuenta", "Ich habe bereits ein Konto",
      "J'ai déjà un compte", "アカウントをお持ちの方"}},
    {{"Create an account", "Crear una cuenta", "Konto erstellen", "Créer un compte",
      "アカウントを作成"}},
    {{"This sign-in link does not come from an application this server knows.",
      "Este enlace de inicio de sesión no procede de ninguna aplicación que este servidor "
      "conozca.",
      "Dieser Anmeldelink stammt von keiner Anwendung, die dieser Server kennt.",
      "Ce lien de connexion ne provient d'aucune application connue de ce serveur.",
      "このサインインリンクは、このサーバーが認識しているアプリケーションから送られたものではありま"
      "せ"
      "ん。"}},
    {{"This sign-in link would send your sign-in somewhere other than the application on this "
      "computer.",
      "Este enlace enviaría su inicio de sesión a otro lugar que no es la aplicación de este "
      "equipo.",
      "Dieser Anmeldelink würde Ihre Anmeldung an einen anderen Ort als die Anwendung auf diesem "
      "Computer senden.",
      "Ce lien enverrait votre connexion ailleurs que vers l'application de cet ordinateur.",
      "このサインインリンクは、サインインをこのコンピューター上のアプリケーション以外の場所に送ろう"
      "とし"
      "ています。"}},
    {{"This sign-in link comes from an older version of the application, which this server no "
      "longer signs in. Update Pennibar and sign in again.",
      "Este enlace de inicio de sesión procede de una versión anterior de la aplicación, con la "
      "que este servidor ya no inicia sesión. Actualice Pennibar e inicie sesión de nuevo.",
      "Dieser Anmeldelink stammt von einer älteren Version der Anwendung, die dieser Server nicht "
      "mehr anmeldet. Aktualisieren Sie Pennibar und melden Sie sich erneut an.",
      "Ce lien de connexion provient d'une ancienne version de l'application, que ce serveur ne "
      "connecte plus. Mettez Pennibar à jour et reconnectez-vous.",
      "このサインインリンクは古いバージョンのアプリケーションから送られたもので、このサーバーではサ"
      "イン"
      "インできません。Pennibar を更新してから、もう一度サインインしてください。"}},
    {{"This sign-in page has expired. Please sign in again.",
      "Esta página de inicio de sesión ha caducado. Vuelva a iniciar sesión.",
      "Diese Anmeldeseite ist abgelaufen. Bitte melden Sie sich erneut an.",
      "Cette page de connexion a expiré. Veuillez vous reconnecter.",
      "このサインインページは期限切れです。もう一度サインインしてください。"}},
    {{"The two passwords differ.", "Las dos contraseñas no coinciden.",
      "Die beiden Passwörter stimmen nicht überein.", "Les deux mots de passe sont différents.",
      "2 つのパスワードが一致しません。"}},
    {{"The e-mail address or the password is wrong.",
      "La dirección de correo electrónico o la contraseña no son correctas.",
      "Die E-Mail-Adresse oder das Passwort ist falsch.",
      "L'adresse e-mail ou le mot de passe est incorrect.",
      "メールアドレスまたはパスワードが正しくありません。"}},
    {{"This account is disabled. Ask the administrator of this server.",
      "Esta cuenta está desactivada. Consulte al administrador de este servidor.",
      "Dieses Konto ist deaktiviert. Wenden Sie sich an den Administrator dieses Servers.",
      "Ce compte est désactivé. Adressez-vous à l'administrateur de ce serveur.",
      "このアカウントは無効になっています。このサーバーの管理者にお問い合わせください。"}},
    {{"An account with this e-mail address exists already. Sign in instead.",
      "Ya existe una cuenta con esta dirección de correo electrónico. Inicie sesión.",
      "Es gibt bereits ein Konto mit dieser E-Mail-Adresse. Melden Sie sich stattdessen an.",
      "Un compte existe déjà avec cette adresse e-mail. Connectez-vous plutôt.",
      "このメールアドレスのアカウントはすでにあります。サインインしてください。"}},
    {{"Enter a valid e-mail address.", "Introduzca una dirección de correo electrónico válida.",
      "Geben Sie eine gültige E-Mail-Adresse ein.", "Saisissez une adresse e-mail valide.",
      "有効なメールアドレスを入力してください。"}},
    {{"A name has at most %1 characters and no control characters.",
      "Un nombre tiene como máximo %1 caracteres y ningún carácter de control.",
      "Ein Name hat höchstens %1 Zeichen und keine Steuerzeichen.",
      "Un nom comporte au plus %1 caractères et aucun caractère de contrôle.",
      "名前は %1 文字以内で、制御文字を含めることはできません。"}},
    {{"The password must have at least 8 characters.",
      "La contraseña debe tener al menos 8 caracteres.",
      "Das Passwort muss mindestens 8 Zeichen lang sein.",
      "Le mot de passe doit comporter au moins 8 caractères.",
      "パスワードは 8 文字以上にしてください。"}},
    {{"Something went wrong on the server. Please try again later.",
      "Algo ha fallado en el servidor. Vuelva a intentarlo más tarde.",
      "Auf dem Server ist ein Fehler aufgetreten. Bitte versuchen Sie es später erneut.",
      "Une erreur s'est produite sur le serveur. Veuillez réessayer plus tard.",
      "サーバーで問題が発生しました。しばらくしてからもう一度お試しください。"}},
};

static_assert(std::size(kTexts) == size_t(SignInTexts::Text::ServerFailure) + 1,
              "one row per text");

// "Too many attempts. Try again in ..." with one unit: the form for one and the form for more.
const Row kTooManyAttempts[4] = {
    {{"Too many attempts. Try again in 1 second.",
      "Demasiados intentos. Vuelva a intentarlo dentro de 1 segundo.",
      "Zu viele Versuche. Versuchen Sie es in 1 Sekunde erneut.",
      "Trop de tentatives. Réessayez dans 1 seconde.",
      "試行回数が多すぎます。1 秒後にもう一度お試しください。"}},
    {{"Too many attempts. Try again in %1 seconds.",
      "Demasiados intentos. Vuelva a intentarlo dentro de %1 segundos.",
      "Zu viele Versuche. Versuchen Sie es in %1 Sekunden erneut.",
      "Trop de tentatives. Réessayez dans %1 secondes.",
      "試行回数が多すぎます。%1 秒後にもう一度お試しください。"}},
    {{"Too many attempts. Try again in 1 minute.",
      "Demasiados intentos. Vuelva a intentarlo dentro de 1 minuto.",
      "Zu viele Versuche. Versuchen Sie es in 1 Minute erneut.",
      "Trop de tentatives. Réessayez dans 1 minute.",
      "試行回数が多すぎます。1 分後にもう一度お試しください。"}},
    {{"Too many attempts. Try again in %1 minutes.",
      "Demasiados intentos. Vuelva a intentarlo dentro de %1 minutos.",
      "Zu viele Versuche. Versuchen Sie es in %1 Minuten erneut.",
      "Trop de tentatives. Réessayez dans %1 minutes.",
      "試行回数が多すぎます。%1 分後にもう一度お試しください。"}},
};

} // namespace

QString SignInTexts::languageFor(const QByteArray& acceptLanguage)
{
    // Entries are "tag" or "tag;q=weight"; the heaviest one the app speaks wins, the first of
    // equals. A weight of 0 means "not this one".
    QString best = kLanguages.first();
    double bestWeight = 0;
    for (const QByteArray& entry : acceptLanguage.split(',')) {
        const QList<QByteArray> parts = entry.split(';');
        const QString primary =
            QString::fromLatin1(parts.first().trimmed()).section(QLatin1Char('-'), 0, 0).toLower();
        double weight = 1;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QByteArray parameter = parts.at(i).trimmed();
            if (!parameter.startsWith("q="))
                continue;
            bool ok = false;
            weight = parameter.mid(2).toDouble(&ok);
            if (!ok || weight < 0 || weight > 1)
                weight = 0;
        }
        if (weight > bestWeight && kLanguages.contains(primary)) {
            best = primary;
            bestWeight = weight;
        }
    }
    return best;
}

SignInTexts::SignInTexts(const QString& language)
    : m_language(kLanguages.contains(language) ? language : kLanguages.first()),
      m_column(int(kLanguages.indexOf(m_language)))
{
}

QString SignInTexts::operator()(Text text) const
{
    return QString::fromUtf8(kTexts[size_t(text)].words[m_column]);
}

QString SignInTexts::tooManyAttempts(qint64 waitSeconds) const
{
    const bool inMinutes = waitSeconds >= 60;
    const qint64 count = inMinutes ? (waitSeconds + 59) / 60 : qMax<qint64>(1, waitSeconds);
    const Row& row = kTooManyAttempts[(inMinutes ? 2 : 0) + (count == 1 ? 0 : 1)];
    return QString::fromUtf8(row.words[m_column]).arg(count);
}

} // namespace PennibarServer
