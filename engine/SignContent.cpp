// The reference texts of the day signs and day numbers. Each sign's text names its place in the
// traditional order of the day signs (Crocodile first, Sun twentieth) and, except for Eagle and
// Deer, its direction.

#include "modMayanNumerology.h"

#include "Marked.h"

namespace modMayanNumerology {
using kinmatch::Marked;

const std::array<SignRow, SignCount> SignTable = {{
    {"BATZ - (CHUEN)", Marked("SignTable", "Monkey"),
     Marked("SignTable", "Witty and demonstrative"), Marked("SignTable", "Aventurine"),
     Marked("SignTable", "Manifestation"),
     Marked(
         "SignTable",
         "The Monkey is the eleventh sign of the Mayan day count and belongs to the west. It is "
         "the "
         "sign of the artist, the weaver and the player, and its natives meet life with a quick "
         "mind "
         "and a ready laugh. They learn by doing, pick up crafts and languages with ease and love "
         "to "
         "entertain a room. Their charm opens doors, and their curiosity rarely lets them rest. At "
         "their best they turn play into art and lift the spirits of everyone around them. Their "
         "weakness is restlessness: they tire of routine, promise more than they can keep and may "
         "hide real feelings behind a joke. When they learn to finish what they start, their many "
         "talents become a lasting gift."),
     "Neil Armstrong, Taylor Swift"},
    {"E - (EB)", Marked("SignTable", "Road"), Marked("SignTable", "Careful and useful"),
     Marked("SignTable", "Malachite"), Marked("SignTable", "Resolution"),
     Marked(
         "SignTable",
         "The Road is the twelfth sign of the Mayan day count and belongs to the south. It is the "
         "sign of the path of life, of the traveller and of the worker who builds for others. "
         "People "
         "born under it are careful, practical and generous with their time; they notice what is "
         "needed and quietly do it. They make loyal friends, good neighbours and patient teachers, "
         "and they often feel called to serve a community. Many of them love to travel, and every "
         "journey teaches them something. Their weakness is worry: they can carry the burdens of "
         "others until they forget their own needs, and they may cling to a safe road when a new "
         "one "
         "would serve them better."),
     "Stevie Wonder, Mark Zuckerberg"},
    {"AJ - (BEN)", Marked("SignTable", "Reed"), Marked("SignTable", "Crusading and wise"),
     Marked("SignTable", "Turquoise "), Marked("SignTable", "Understanding"),
     Marked(
         "SignTable",
         "The Reed is the thirteenth sign of the Mayan day count and belongs to the east. It is "
         "the "
         "sign of the home and the hearth, of the pillar that holds up the house, and of the voice "
         "that speaks for what is right. Its natives are principled and wise beyond their years; "
         "they defend their family and their beliefs with courage and will crusade for a cause "
         "they "
         "trust. Others look to them for guidance and protection. They grow like the reed, "
         "steadily "
         "and upright, and bend without breaking. Their weakness is stubbornness: sure of their "
         "values, they can judge others harshly and find it hard to admit a mistake. Tempered with "
         "humility, their sense of duty makes them true leaders."),
     "Elvis Presley, Audrey Hepburn"},
    {"ISH - (IX)", Marked("SignTable", "Jaguar"), Marked("SignTable", "Introvert and intelligent"),
     Marked("SignTable", "Moonstone"), Marked("SignTable", "Ascension"),
     Marked(
         "SignTable",
         "The Jaguar is the fourteenth sign of the Mayan day count and belongs to the north. It is "
         "the sign of the night hunter, of the shaman and of the keeper of the earth's secrets. "
         "People born under it are quiet, observant and deeply intelligent; they see through "
         "appearances and sense what others hide. They value solitude and use it to think, to "
         "study "
         "and to heal. Their intuition is strong, and they often feel at home in forests, "
         "mountains "
         "and other wild places. Once committed, they are fiercely loyal. Their weakness is "
         "secrecy: they keep their thoughts to themselves, can seem cold or distant, and may hold "
         "on to a grudge for a long time. Trust lets their gifts shine."),
     "Alan Turing, Oprah Winfrey"},
    {"TZIKIN - (MEN)", Marked("SignTable", "Eagle"), Marked("SignTable", "Free and independent"),
     Marked("SignTable", "Unakite "), Marked("SignTable", "Unity"),
     Marked(
         "SignTable",
         "The Eagle is the fifteenth sign of the Mayan day count. It is the sign of the high flier "
         "who sees the whole land at once, of vision, ambition and freedom. Its natives are "
         "independent spirits with big plans; they rise above petty quarrels and look towards the "
         "future. They are quick to spot an opportunity and bold enough to seize it, and many of "
         "them do well in business, science or public life. They inspire others with their vision "
         "and their confidence. Their weakness is impatience with limits: they dislike being told "
         "what to do, may overreach, and can forget the people who helped them climb. Grounded by "
         "gratitude, their flight carries others with them."),
     "John F. Kennedy, Bob Marley"},
    {"AJMAK - (CIB)", Marked("SignTable", "Wisdom"),
     Marked("SignTable", "Knowledgeable and authoritative"), Marked("SignTable", "Smokey Quartz"),
     Marked("SignTable", "Duality"),
     Marked(
         "SignTable",
         "Wisdom is the sixteenth sign of the Mayan day count and belongs to the south. It is the "
         "sign of the elders and the ancestors, of knowledge gathered over a lifetime and passed "
         "on. "
         "People born under it are thoughtful, learned and naturally authoritative; they ask deep "
         "questions and are not satisfied with easy answers. Others come to them for counsel, and "
         "they speak with the calm weight of experience. They respect tradition yet are willing to "
         "change their minds when the truth demands it. Their weakness is self-doubt and a sense "
         "of "
         "guilt for old mistakes, which can make them harsh with themselves and with others. When "
         "they forgive, their wisdom becomes a blessing."),
     "David Bowie, Bob Dylan"},
    {"NOJ - (CABAN)", Marked("SignTable", "Earth"),
     Marked("SignTable", "Practical and intellectual"), Marked("SignTable", "Agate"),
     Marked("SignTable", "Action"),
     Marked("SignTable",
            "The Earth is the seventeenth sign of the Mayan day count and belongs to the east. It "
            "is the "
            "sign of movement and synchronicity, of the ground beneath our feet and the mind that "
            "reads "
            "its signs. Its natives are practical thinkers: they combine a sharp intellect with "
            "common "
            "sense and like to put ideas to work. They are good at solving problems, organising "
            "people "
            "and seeing how things fit together. Many are drawn to science, teaching or the care "
            "of the "
            "land. Their weakness is a restless mind that can turn into worry or stubborn "
            "argument, and "
            "they may find it hard to slow down. When they trust the rhythm of life, their steady "
            "action moves mountains."),
     "Jackie Chan, Jimmy Carter"},
    {"TIJASH - (ETZNAB)", Marked("SignTable", "Flint"),
     Marked("SignTable", "Romantic and self sufficient"), Marked("SignTable", "Rhodonite"),
     Marked("SignTable", "Stability"),
     Marked(
         "SignTable",
         "The Flint is the eighteenth sign of the Mayan day count and belongs to the north. It is "
         "the "
         "sign of the blade that cuts away what is false, of truth, courage and the spark of fire. "
         "People born under it are self-sufficient and direct; they say what they think and live "
         "by "
         "their own rules. Beneath the hard edge lies a romantic heart that loves deeply and "
         "faithfully. They are skilled healers and honest friends who will tell you what you need "
         "to hear. Their weakness is sharpness: they can wound with words, act rashly in anger and "
         "refuse help they truly need. Learning gentleness turns their strength into a stable "
         "foundation for all who love them."),
     "Bruce Lee, Maya Angelou"},
    {"KAWOK - (CAUAC)", Marked("SignTable", "Storm"), Marked("SignTable", "Healing and helpful"),
     Marked("SignTable", "Jade"), Marked("SignTable", "Empowerment"),
     Marked(
         "SignTable",
         "The Storm is the nineteenth sign of the Mayan day count and belongs to the west. It is "
         "the "
         "sign of thunder and rain, of the cleansing force that renews the land. Its natives carry "
         "a "
         "powerful energy that can change the lives of others; they are natural healers, helpers "
         "and catalysts. They feel deeply, care for family and friends, and are at their best when "
         "they can be of use. Crisis brings out their courage. Their weakness is turbulence: their "
         "moods can shift like the weather, they may take on too much and burn out, and their "
         "intensity can overwhelm gentler souls. When they learn to be calm at the centre of the "
         "storm, they empower everyone they touch."),
     "Muhammad Ali, Princess Diana"},
    {"AJPU - (AHUA)", Marked("SignTable", "Sun"), Marked("SignTable", "Affectionate and creative"),
     Marked("SignTable", "Rose Quartz"), Marked("SignTable", "Flow"),
     Marked(
         "SignTable",
         "The Sun is the twentieth and last sign of the Mayan day count and belongs to the south. "
         "It "
         "is the sign of the lord of light, of the hero who completes the cycle and of "
         "enlightenment. People born under it are warm, affectionate and creative; they radiate "
         "confidence and draw others into their light. They are idealists who want to make the "
         "world better, and they often excel in the arts, in sport or in any field where they can "
         "shine. Their generosity is real and their love wholehearted. Their weakness is pride: "
         "they "
         "may need admiration, take on too many causes and burn too brightly. When they let life "
         "flow, their light warms everyone near them."),
     "Frida Kahlo, Michael Jordan"},
    {"IMOSH - (IMIX)", Marked("SignTable", "Crocodile"),
     Marked("SignTable", "Protective and dominating"), Marked("SignTable", "Red Jasper"),
     Marked("SignTable", "Unity"),
     Marked(
         "SignTable",
         "The Crocodile is the first sign of the Mayan day count and belongs to the east. It is "
         "the "
         "sign of beginnings, of the primal waters from which the world was born, and of the "
         "nurturing mother. Its natives are protective and strong-willed; they care fiercely for "
         "those in their charge and like to take the lead. They are pioneers with plenty of new "
         "ideas and the energy to launch them. Their instincts are sound and their imagination "
         "rich. Their weakness is a need for control: they can dominate, become possessive or "
         "moody, and struggle to let others find their own way. When they nurture without "
         "smothering, they bring people together in unity."),
     "Walt Disney, Tom Hanks"},
    {"IK - (IK)", Marked("SignTable", "Wind"),
     Marked("SignTable", "Clever, lively, and multifaceted"), Marked("SignTable", "Sodalite"),
     Marked("SignTable", "Justice"),
     Marked("SignTable",
            "The Wind is the second sign of the Mayan day count and belongs to the north. It is "
            "the sign "
            "of breath and spirit, of the word that carries ideas from one mind to another. People "
            "born "
            "under it are clever, lively and many-sided; they communicate with ease and inspire "
            "others "
            "with their enthusiasm. They have a strong sense of justice and will speak up for "
            "those who "
            "cannot. Change does not frighten them: like the wind, they go where they are needed. "
            "Their weakness is inconstancy: their moods can shift quickly, they may scatter their "
            "energy over too many interests and speak before they think. When their spirit is "
            "focused, "
            "their words can move the world."),
     "Michael Jackson, Dolly Parton"},
    {"AKABAL - (AKBAL)", Marked("SignTable", "Night"),
     Marked("SignTable", "Conservative and thoughtful"), Marked("SignTable", "Snowflake Obsidian"),
     Marked("SignTable", "Patience"),
     Marked(
         "SignTable",
         "The Night is the third sign of the Mayan day count and belongs to the west. It is the "
         "sign "
         "of the house of darkness, of dreams, of the inner world and of the treasure that waits "
         "in "
         "the dark. Its natives are thoughtful, reserved and conservative; they value security, "
         "home and a well-ordered life. They think before they act and have a gift for patience "
         "that others lack. Their dreams are vivid and often guide them well. Though they may seem "
         "shy, they hold great depth and loyalty. Their weakness is fear of the unknown: they can "
         "withdraw, brood and resist change even when it is good for them. When they trust their "
         "inner light, they find abundance."),
     "Yuri Gagarin, Gabriel García Márquez"},
    {"KAT - (KAN)", Marked("SignTable", "Seed"),
     Marked("SignTable", "Sexual, dynamic and energetic"), Marked("SignTable", "Dumortierite"),
     Marked("SignTable", "Manifestation"),
     Marked(
         "SignTable",
         "The Seed is the fourth sign of the Mayan day count and belongs to the south. It is the "
         "sign "
         "of the corn seed, of fertility and of everything that grows from a small beginning to a "
         "rich harvest. People born under it are dynamic, sensual and full of energy; they attract "
         "others easily and know how to make things grow, whether a family, a business or an idea. "
         "They are sociable, persuasive and often lucky. Their weakness is impatience and a hunger "
         "for pleasure that can lead them to excess, jealousy or a wish to possess what they love. "
         "When they tend their seeds with care and patience, they reap a harvest that feeds many."),
     "Queen Elizabeth II, Greta Garbo"},
    {"KAN - (CHICCHAN)", Marked("SignTable", "Serpent"),
     Marked("SignTable", "Forceful, powerful and charismatic"), Marked("SignTable", "Amethyst"),
     Marked("SignTable", "Resolution"),
     Marked(
         "SignTable",
         "The Serpent is the fifth sign of the Mayan day count and belongs to the east. It is the "
         "sign "
         "of life force, of instinct and of the energy that rises through the body. Its natives "
         "are "
         "forceful and charismatic; they have a magnetic presence and a powerful will. They sense "
         "danger and opportunity before others do and act decisively. Many of them are drawn to "
         "performance, leadership or healing, where their intensity can be put to good use. Their "
         "weakness is that same intensity: they may be quick-tempered, jealous or driven by their "
         "passions, and they can shed people as a snake sheds its skin. When they master their "
         "power, they become wise and resolute guides."),
     "Marilyn Monroe, Steve Jobs"},
    {"KAME - (CIMI)", Marked("SignTable", "Transformer"),
     Marked("SignTable", "Helpful and sacrificing"), Marked("SignTable", "Carnelian"),
     Marked("SignTable", "Understanding"),
     Marked(
         "SignTable",
         "The Transformer is the sixth sign of the Mayan day count and belongs to the north. It is "
         "the sign of endings and new beginnings, of the bridge between worlds, and of the change "
         "that makes growth possible. People born under it are helpful and self-sacrificing; they "
         "give freely of themselves and understand suffering because they have known it. They are "
         "at ease with change and help others through the great passages of life. Many have a gift "
         "for counselling, medicine or art. Their weakness is a tendency to give too much, to take "
         "on the pain of others and to neglect their own wishes. When they let go of what is "
         "finished, they are reborn stronger each time."),
     "Freddie Mercury, Bill Gates"},
    {"KIEJ - (MANIK)", Marked("SignTable", "Deer"), Marked("SignTable", "Nomadic and cooperative"),
     Marked("SignTable", "Amazonite"), Marked("SignTable", "Ascension"),
     Marked(
         "SignTable",
         "The Deer is the seventh sign of the Mayan day count. It is the sign of the gentle "
         "wanderer, "
         "of the hand that heals and of the spirit that lives in harmony with nature. People born "
         "under it are cooperative, sensitive and graceful; they prefer peace to conflict and work "
         "well with others. Many love travel and a change of scene, and they feel most alive "
         "outdoors. They are generous hosts and loyal companions with a talent for bringing people "
         "together. Their weakness is timidity: they may flee from confrontation, avoid commitment "
         "and drift from place to place without settling. When they find their purpose, their "
         "gentleness becomes real strength."),
     "Meryl Streep, Elton John"},
    {"KANIL - (LAMAT)", Marked("SignTable", "Star"), Marked("SignTable", "Witty and jolly"),
     Marked("SignTable", "Hematite"), Marked("SignTable", "Unity"),
     Marked(
         "SignTable",
         "The Star is the eighth sign of the Mayan day count and belongs to the south. It is the "
         "sign "
         "of the planet Venus, of beauty, harmony and abundance. Its natives are witty, jolly and "
         "sociable; they light up a gathering and love music, art and good company. They have a "
         "keen eye for beauty and a gift for making things grow and multiply, whether money, "
         "friendships or ideas. Their optimism is infectious. Their weakness is a love of comfort "
         "that can make them lazy or extravagant, and a wish to please that can make them "
         "superficial or indecisive. When they share their abundance and keep their word, they "
         "shine like the morning star over everyone they meet."),
     "Jimi Hendrix, Carl Sagan"},
    {"TOJ - (MULUK)", Marked("SignTable", "Offering"),
     Marked("SignTable", "Emotional and imaginative"), Marked("SignTable", "Lapis Lazuli"),
     Marked("SignTable", "Duality"),
     Marked(
         "SignTable",
         "The Offering is the ninth sign of the Mayan day count and belongs to the east. It is the "
         "sign of water and of the rain that feeds the fields, of gratitude and of the gift given "
         "in "
         "return for what life offers. People born under it are emotional, imaginative and "
         "idealistic; they feel the needs of others and respond with generosity. They have vivid "
         "inner lives and often express them through art, music or writing. They keep their "
         "promises and pay their debts. Their weakness is that their feelings run deep and can "
         "swing between extremes, and they may carry guilt or feel unappreciated. When they accept "
         "as gracefully as they give, their gifts flow freely."),
     "John Lennon, Martin Luther King Jr."},
    {"TZI - (OC)", Marked("SignTable", "Dog"), Marked("SignTable", "Helpful and loyal"),
     Marked("SignTable", "Bloodstone"), Marked("SignTable", "Patience"),
     Marked(
         "SignTable",
         "The Dog is the tenth sign of the Mayan day count and belongs to the north. It is the "
         "sign of "
         "loyalty, of the faithful companion and of the heart that guides travellers home. Its "
         "natives are loving, helpful and steadfast; they stand by family and friends through "
         "every hardship and expect the same in return. They have a strong sense of fairness and a "
         "generous, sociable nature. Patience is one of their great gifts, and they are often "
         "trusted as protectors. Their weakness is that they give their loyalty blindly, can be "
         "hurt deeply by betrayal, and may become stubborn or suspicious. When their love is wise "
         "as "
         "well as warm, it guides many safely."),
     "Nelson Mandela, Stephen Hawking"},
}};

const std::array<std::string_view, NumberCount> NumberTable = {
    Marked(
        "NumberTable",
        "Power and great force; the beginning of all new things. One is the number of unity and "
        "purpose. People born under it are initiators who attract what they need and start what "
        "others only dream of. They are independent and determined, with the drive to lead. They "
        "must take care not to become self-centred or to start more than they can finish."),
    Marked("NumberTable",
           "Balance. Two is the number of polarity, of day and night and of the partnership that "
           "joins "
           "opposites. People born under it are diplomatic, sensitive and cooperative; they "
           "understand "
           "both sides of a question and help others meet in the middle. They can be torn by doubt "
           "and must learn to choose."),
    Marked(
        "NumberTable",
        "Versatile and communicative. Three is the number of rhythm and of movement. People born "
        "under it express themselves easily, in words, in art or in service, and they bring energy "
        "to every group they join. They are quick and adaptable, but they can scatter their "
        "efforts "
        "and must learn to see one thing through."),
    Marked(
        "NumberTable",
        "Balance again, now in the four elements and the four directions. Four is the number of "
        "stability and form. People born under it are steady, practical and reliable builders who "
        "give structure to ideas and keep their promises. They can be rigid and must remember that "
        "even the firmest house needs doors and windows."),
    Marked(
        "NumberTable",
        "The elevation of all creation. Five is the number of the centre and of radiance. People "
        "born under it are confident, energetic and able to command; they empower those around "
        "them and raise the spirit of any enterprise. They must guard against pride and the wish "
        "to control."),
    Marked(
        "NumberTable",
        "Imbalance, the restless movement that drives growth. Six is the number of flow and of "
        "organic balance sought again and again. People born under it are dynamic and adaptable; "
        "they move easily through change and keep life in motion. They can be unsettled or "
        "indecisive and need a rhythm of their own."),
    Marked(
        "NumberTable",
        "Energy to catalyze. Seven is the number of the mystic, of attunement and of reflection. "
        "People born under it are spiritual and perceptive; they sense hidden connections and "
        "awaken others to new possibilities. They may withdraw into their inner world and must "
        "remember to share what they see."),
    Marked(
        "NumberTable",
        "Male authority: integrity, order and the power to manage. Eight is the number of "
        "harmony and justice. People born under it are strong, fair and capable of carrying great "
        "responsibility. They inspire trust. They can be domineering or stubborn, and they must "
        "learn that true authority listens as well as commands."),
    Marked(
        "NumberTable",
        "Female authority: intuition, patience and the power to nurture. Nine is the number of "
        "completion and of intention. People born under it are wise, compassionate and "
        "persistent; they see large patterns and bring long projects to fruition. They may carry "
        "too much for others and must learn to let go."),
    Marked(
        "NumberTable",
        "Creativity. Ten is the number of manifestation, where intention becomes form. People born "
        "under it are inventive, productive and able to turn ideas into things that last. They "
        "are often gifted in the arts and in business. They can be perfectionists and must accept "
        "that finished is better than perfect."),
    Marked(
        "NumberTable",
        "Resolution: the power to dissolve what no longer serves. Eleven is the number of release "
        "and liberation. People born under it are independent thinkers who challenge old forms and "
        "solve problems others cannot. They can be rebellious or restless and must use their gift "
        "to build as well as to break."),
    Marked(
        "NumberTable",
        "Strong and abundant energy, shared with others. Twelve is the number of cooperation and "
        "universal understanding. People born under it are generous and wise and gather others "
        "around a common cause. They learn from experience and teach what they have learned. They "
        "must avoid spreading themselves too thin."),
    Marked(
        "NumberTable",
        "Realization: the completion of the cycle and the presence of the whole. Thirteen is the "
        "number of transcendence and endurance. People born under it are strong, visionary and "
        "able to bring great undertakings to their end. They may feel apart from others and must "
        "remember that every ending opens a new beginning."),
};

} // namespace modMayanNumerology
