"""Word lists the sample records are made of."""

# (subject heading, Dewey class, words for titles about it, fiction)
TOPICS = [
    ("Computer programming", "005.1", "computer programming", False),
    ("Computers -- History", "004.09", "computing", False),
    ("Database management", "005.74", "databases", False),
    ("Computer networks", "004.6", "computer networks", False),
    ("Library science", "020", "libraries", False),
    ("Cataloging", "025.3", "cataloguing", False),
    ("Information retrieval", "025.04", "information retrieval", False),
    ("Philosophy, Modern", "190", "modern philosophy", False),
    ("Ethics", "170", "ethics", False),
    ("Psychology", "150", "the mind", False),
    ("Religions", "200", "world religions", False),
    ("Economics", "330", "economics", False),
    ("Political science", "320", "politics", False),
    ("Law -- Great Britain", "349.41", "English law", False),
    ("Education", "370", "teaching and learning", False),
    ("Folklore", "398", "folk tales", False),
    ("English language -- Grammar", "425", "English grammar", False),
    ("French language -- Dictionaries", "443", "the French language", False),
    ("Mathematics", "510", "mathematics", False),
    ("Astronomy", "520", "the stars", False),
    ("Physics", "530", "physics", False),
    ("Chemistry", "540", "chemistry", False),
    ("Geology", "551", "rocks and landscapes", False),
    ("Botany", "580", "plants", False),
    ("Birds", "598", "birds", False),
    ("Medicine", "610", "medicine", False),
    ("Engineering", "620", "engineering", False),
    ("Gardening", "635", "gardening", False),
    ("Cooking, French", "641.5944", "French cooking", False),
    ("Architecture", "720", "architecture", False),
    ("Painting, Italian", "759.5", "Italian painting", False),
    ("Photography", "770", "photography", False),
    ("Music -- History and criticism", "780.9", "music", False),
    ("Football", "796.334", "football", False),
    ("Geography", "910", "geography", False),
    ("France -- Description and travel", "914.4", "travels in France", False),
    ("World War, 1939-1945", "940.53", "the Second World War", False),
    ("Europe -- History", "940", "European history", False),
    ("Great Britain -- History", "941", "British history", False),
    ("Rome -- History", "937", "ancient Rome", False),
    ("United States -- History -- Civil War, 1861-1865", "973.7", "the American Civil War", False),
    ("Detective and mystery stories", "823.0872", None, True),
    ("Science fiction", "823.0876", None, True),
    ("Love stories", "823.085", None, True),
    ("Historical fiction", "823.081", None, True),
    ("Fantasy fiction", "823.0876", None, True),
]

SUBDIVISIONS = [
    "Handbooks, manuals, etc.", "Study and teaching", "Dictionaries", "History",
    "20th century", "Case studies", "Juvenile literature", "Bibliography",
]  # fmt: skip

NONFICTION_PATTERNS = [
    ("A history of {t}", None),
    ("An introduction to {t}", None),
    ("Understanding {t}", "a beginner's guide"),
    ("Principles of {t}", None),
    ("Essays on {t}", None),
    ("The story of {t}", "from the beginnings to the present day"),
    ("{T}", "theory and practice"),
    ("{T}", "a practical guide"),
    ("The Oxbridge companion to {t}", None),
    ("Advanced studies in {t}", None),
    ("{T} in the modern world", None),
    ("New perspectives on {t}", "selected papers"),
    ("The {adj} guide to {t}", None),
    ("{T} for everyone", None),
]

ADJECTIVES = [
    "silent", "crimson", "hidden", "last", "forgotten", "golden", "broken", "distant", "winter",
    "burning", "glass", "secret", "northern", "quiet", "wandering", "lost", "bright", "dark",
    "complete", "essential", "illustrated", "concise", "practical", "little",
]  # fmt: skip

NOUNS = [
    "garden", "river", "lighthouse", "house", "orchard", "island", "letter", "harbour", "mirror",
    "station", "library", "forest", "crown", "tower", "journey", "promise", "storm", "kingdom",
    "shadow", "voyage", "map", "clock", "bridge", "sister", "stranger", "café",
]  # fmt: skip

PLACES = [
    "Venice", "Kraków", "Marrakesh", "the Fens", "Rotterdam", "Sevilla", "Zürich", "Córdoba",
    "Edinburgh", "Lisbon", "Montréal", "the Orient Express", "Whitby", "Galway",
]  # fmt: skip

FICTION_PATTERNS = [
    ("The {adj} {noun}", None),
    ("The {noun} at {place}", None),
    ("A {noun} in {place}", None),
    ("Death at the {noun}", "a mystery"),
    ("The {noun}'s daughter", None),
    ("{Adj} {noun}s", None),
    ("The {noun} of {place}", "a novel"),
    ("Murder in {place}", None),
]

FRENCH_TITLES = [
    "Le jardin d'hiver", "La maison du passeur", "Les enfants de la rivière", "L'été à Marseille",
    "Le café des étoiles", "La lettre perdue", "Les îles lointaines", "Le théâtre des ombres",
    "La fenêtre sur la mer", "Les chemins de Provence",
]  # fmt: skip

GERMAN_TITLES = [
    "Der Brunnen im Hof", "Die Stadt am Fluss", "Das Haus der Uhren", "Die Reise nach Süden",
    "Der Gärtner von Weimar", "Das Schweigen der Wälder", "Die Brücke über die Straße",
]  # fmt: skip

SPANISH_TITLES = [
    "El jardín de los almendros", "La casa de las palmeras", "El último verano", "Los caminos del sur",
    "La niña del faro", "El reloj de arena",
]  # fmt: skip

ITALIAN_TITLES = ["Il giardino segreto di Lucca", "La città dei ponti", "Lo specchio d'acqua", "Il viaggio d'inverno"]

# (language code, share, titles, place codes for 008)
LANGUAGES = [
    ("ENG", 80, None),
    ("FRE", 8, FRENCH_TITLES),
    ("GER", 6, GERMAN_TITLES),
    ("SPA", 4, SPANISH_TITLES),
    ("ITA", 2, ITALIAN_TITLES),
]

# Leading words that the title key drops; phrasestop1.tbl must list them.
ARTICLES = ["The", "A", "An", "Le", "La", "Les", "Der", "Die", "Das", "El", "Los", "Il", "Lo"]

SURNAMES = [
    "Abbott", "Adeyemi", "Anderson", "Ångström", "Bailey", "Baker", "Barnes", "Bennett", "Bergström",
    "Brooks", "Brown", "Campbell", "Carter", "Çelik", "Chen", "Clarke", "Collins", "Cooper", "Dalton",
    "Davies", "Dubois", "Dupont", "Edwards", "Evans", "Fernández", "Fischer", "Fitzgerald", "Fletcher",
    "Fontaine", "García", "Gibson", "Gonzalez", "Graham", "Grant", "Green", "Hall", "Hansen",
    "Harris", "Hayes", "Hernández", "Hill", "Hoffmann", "Hughes", "Jackson", "James", "Jensen",
    "Johnson", "Jones", "Kaur", "Kelly", "Kennedy", "King", "Kowalski", "Lambert", "Lefèvre", "Lewis",
    "Lindqvist", "López", "MacDonald", "Martin", "Martínez", "Mason", "Meyer", "Mitchell", "Moore",
    "Morgan", "Müller", "Murphy", "Nakamura", "Nguyen", "Novak", "Núñez", "O'Brien", "O'Connor",
    "Okafor", "Owen", "Palmer", "Parker", "Patel", "Pereira", "Phillips", "Price", "Quinn", "Reid",
    "Richardson", "Roberts", "Robinson", "Rossi", "Russell", "Sánchez", "Schmidt", "Schneider", "Scott",
    "Shaw", "Silva", "Singh", "Smith", "Søndergaard", "Stewart", "Sullivan", "Taylor", "Thomas",
    "Thompson", "Turner", "Walker", "Wallace", "Ward", "Watson", "Weiß", "White", "Williams", "Wilson",
    "Wood", "Wright", "Yamamoto", "Young", "Zimmermann",
]  # fmt: skip

FORENAMES = [
    "Aaron", "Adam", "Agnès", "Alice", "André", "Anna", "Åsa", "Benjamin", "Björn", "Catherine",
    "Charlotte", "Chloé", "Daniel", "David", "Eleanor", "Elizabeth", "Émile", "Emma", "Françoise",
    "George", "Hannah", "Helen", "Henry", "Isabel", "Jack", "James", "Jane", "John", "José", "Jürgen",
    "Karen", "Laura", "Lucía", "Margaret", "Maria", "Mark", "Martin", "Mary", "Michael", "Nadia",
    "Noël", "Oliver", "Patrick", "Paul", "Peter", "Rachel", "Renée", "Richard", "Robert", "Ruth",
    "Samuel", "Sarah", "Simon", "Sophie", "Stephen", "Susan", "Thomas", "Victoria", "William", "Zoë",
]  # fmt: skip

# (name, place, MARC place code, ISBN group and publisher code, share)
PUBLISHERS = [
    ("Harrowgate Press", "London", "enk", "0-85", 9),
    ("Northbridge University Press", "Cambridge", "enk", "0-52", 8),
    ("Castleton & Finch", "Edinburgh", "stk", "1-84", 6),
    ("Pelham Academic", "Oxford", "enk", "0-19", 8),
    ("Meridian Books", "New York", "nyu", "0-67", 9),
    ("Bluewater Publishing", "Boston", "mau", "1-55", 6),
    ("Kestrel House", "Toronto", "onc", "1-77", 4),
    ("Lanternfield", "Chicago", "ilu", "0-22", 5),
    ("Saltmarsh & Daughters", "Norwich", "enk", "1-90", 3),
    ("Greywether Books", "Manchester", "enk", "0-71", 4),
    ("Ironbridge Technical", "Birmingham", "enk", "0-41", 4),
    ("Southern Cross Editions", "Sydney", "at ", "0-64", 3),
    ("Éditions du Lac", "Paris", "fr ", "2-07", 4),
    ("Presses de l'Ardèche", "Lyon", "fr ", "2-86", 2),
    ("Verlag Altstadt", "München", "gw ", "3-44", 3),
    ("Nordlicht Verlag", "Berlin", "gw ", "3-42", 2),
    ("Ediciones Sol y Mar", "Madrid", "sp ", "84-37", 3),
    ("Edizioni Ponte Vecchio", "Milano", "it ", "88-04", 2),
    ("Ravensworth Children's Books", "London", "enk", "1-40", 5),
    ("Quillon Reference", "Oxford", "enk", "0-45", 3),
]

SERIES_NAMES = [
    "Oxbridge studies in history", "The Harrowgate library of science", "Penfold poets",
    "Crime classics", "The Meridian series in computer science", "Cambridge companions to music",
    "Travellers' tales", "Studies in library and information science", "The new naturalist",
    "The world of cookery", "Lectures in mathematics", "Classics of philosophy",
]  # fmt: skip

JOURNALS = [
    "Journal of {t}", "{T} quarterly", "Review of {t}", "Studies in {t}", "Bulletin of {t}",
]  # fmt: skip

FREQUENCIES = [("Monthly", 12), ("Quarterly", 4), ("Bimonthly", 6), ("Annual", 1)]

NOTES = [
    "Includes bibliographical references and index.",
    "Includes index.",
    "Originally published in 1962.",
    "Translation of the author's doctoral thesis.",
    "Text in English with parallel French translation.",
    "Previous edition published under the title: Elements of the subject.",
    "Includes glossary, chronology & maps.",
    "Large print edition.",
]

SUMMARY_PARTS = [
    "This book offers a clear and readable account of {t}.",
    "Drawing on new archival research, the author traces the development of {t} over three centuries.",
    "Written for students and general readers alike, it assumes no previous knowledge.",
    "Each chapter ends with exercises, suggestions for further reading and a short summary.",
    "The new edition has been revised throughout and includes two new chapters on recent work.",
    "Richly illustrated with photographs, maps and diagrams.",
    "A compelling story of ambition, betrayal and forgiveness, told with warmth & wit.",
    "Set against the backdrop of a changing city, the novel follows three generations of one family.",
    "Winner of the Whitmore Prize.",
]

LOCATIONS = [
    ("MAIN", "Main library", "Y"),
    ("STACK", "Main library stack", "Y"),
    ("NORTH", "Northside branch", "Y"),
    ("CHILD", "Children's library", "Y"),
    ("REF", "Reference collection", "N"),
    ("DISPLAY", "New books display", "Y"),
]
