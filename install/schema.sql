-- The store of Obzorka. Dates are ISO text: a day "YYYY-MM-DD", a moment
-- "YYYY-MM-DD HH:MM:SS" (local time). Yes/No columns hold 0 and 1.
-- Only SQLite's own functions appear here, so the plain sqlite3 tool reads the file.

CREATE TABLE schema_version (version INTEGER NOT NULL);
INSERT INTO schema_version (version) VALUES (1);

-- Stations: received (povoleno) or only offered, their slot 1..96 and server number.
CREATE TABLE televize (
    tv TEXT NOT NULL,
    povoleno INTEGER NOT NULL DEFAULT 0,
    pozice INTEGER NOT NULL DEFAULT 0,
    idtv INTEGER,
    prozruseni INTEGER NOT NULL DEFAULT 0,
    posl_datum TEXT
);
CREATE INDEX televize_pozice ON televize (pozice);

-- Programme entries. Hours of 24 and more belong to the broadcast day after midnight.
CREATE TABLE program (
    id INTEGER PRIMARY KEY,
    tv TEXT,
    datum TEXT,
    hod1 INTEGER,
    min1 INTEGER,
    hod2 INTEGER,
    min2 INTEGER,
    nazev TEXT,
    info1 TEXT,
    info2 TEXT,
    stereo INTEGER NOT NULL DEFAULT 0,
    titulky INTEGER NOT NULL DEFAULT 0,
    dual INTEGER NOT NULL DEFAULT 0,
    znak_rec INTEGER NOT NULL DEFAULT 0,
    cb INTEGER NOT NULL DEFAULT 0,
    showview TEXT,
    obr TEXT,
    obr2 TEXT,
    link TEXT,
    typprg TEXT
);
CREATE INDEX program_tv_datum ON program (tv, datum);
CREATE INDEX program_datum ON program (datum);

-- Records of one import round before they are merged: the columns of program in the same
-- order, so that the merge can copy whole rows.
CREATE TABLE propridani AS SELECT * FROM program WHERE 0;
CREATE INDEX propridani_id ON propridani (id);

-- Reminder marks; automat is set by the keyword rules only.
CREATE TABLE upozornit (
    id INTEGER NOT NULL,
    automat INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX upozornit_id ON upozornit (id);

-- Settings as key and value.
CREATE TABLE nastaveni (
    polozka TEXT NOT NULL,
    hodnota TEXT
);
CREATE INDEX nastaveni_polozka ON nastaveni (polozka);

-- Illustrations still to fetch, with the day that needs them and when they were queued.
CREATE TABLE obrpronacteni (
    obr TEXT,
    datum TEXT,
    caspridani TEXT NOT NULL DEFAULT (datetime('now', 'localtime'))
);

-- Advertisement banners held locally and the last day each is shown.
CREATE TABLE reklama (
    rekl_id TEXT,
    datumdo TEXT
);

-- Name days: "24.12." is "Adam a Eva".
CREATE TABLE svatky (
    datum TEXT NOT NULL,
    jmeno TEXT
);

-- Each mark with its programme's start moment, the earliest first when ordered by datumcas1.
CREATE VIEW upozornit_dotaz AS
SELECT upozornit.id AS id,
       datetime(program.datum, '+' || program.hod1 || ' hours',
                '+' || program.min1 || ' minutes') AS datumcas1
FROM upozornit
INNER JOIN program ON upozornit.id = program.id;

INSERT INTO svatky (datum, jmeno) VALUES ('1.1.', 'Nový rok');
INSERT INTO svatky (datum, jmeno) VALUES ('2.1.', 'Karina');
INSERT INTO svatky (datum, jmeno) VALUES ('3.1.', 'Radmila');
INSERT INTO svatky (datum, jmeno) VALUES ('4.1.', 'Diana');
INSERT INTO svatky (datum, jmeno) VALUES ('5.1.', 'Dalimil');
INSERT INTO svatky (datum, jmeno) VALUES ('6.1.', 'Tři králové');
INSERT INTO svatky (datum, jmeno) VALUES ('7.1.', 'Vilma');
INSERT INTO svatky (datum, jmeno) VALUES ('8.1.', 'Čestmír');
INSERT INTO svatky (datum, jmeno) VALUES ('9.1.', 'Vladan');
INSERT INTO svatky (datum, jmeno) VALUES ('10.1.', 'Břetislav');
INSERT INTO svatky (datum, jmeno) VALUES ('11.1.', 'Bohdana');
INSERT INTO svatky (datum, jmeno) VALUES ('12.1.', 'Pravoslav');
INSERT INTO svatky (datum, jmeno) VALUES ('13.1.', 'Edita');
INSERT INTO svatky (datum, jmeno) VALUES ('14.1.', 'Radovan');
INSERT INTO svatky (datum, jmeno) VALUES ('15.1.', 'Alice');
INSERT INTO svatky (datum, jmeno) VALUES ('16.1.', 'Ctirad');
INSERT INTO svatky (datum, jmeno) VALUES ('17.1.', 'Drahoslav');
INSERT INTO svatky (datum, jmeno) VALUES ('18.1.', 'Vladislav');
INSERT INTO svatky (datum, jmeno) VALUES ('19.1.', 'Doubravka');
INSERT INTO svatky (datum, jmeno) VALUES ('20.1.', 'Ilona');
INSERT INTO svatky (datum, jmeno) VALUES ('21.1.', 'Běla');
INSERT INTO svatky (datum, jmeno) VALUES ('22.1.', 'Slavomír');
INSERT INTO svatky (datum, jmeno) VALUES ('23.1.', 'Zdeněk');
INSERT INTO svatky (datum, jmeno) VALUES ('24.1.', 'Milena');
INSERT INTO svatky (datum, jmeno) VALUES ('25.1.', 'Miloš');
INSERT INTO svatky (datum, jmeno) VALUES ('26.1.', 'Zora');
INSERT INTO svatky (datum, jmeno) VALUES ('27.1.', 'Ingrid');
INSERT INTO svatky (datum, jmeno) VALUES ('28.1.', 'Otýlie');
INSERT INTO svatky (datum, jmeno) VALUES ('29.1.', 'Zdislava');
INSERT INTO svatky (datum, jmeno) VALUES ('30.1.', 'Robin');
INSERT INTO svatky (datum, jmeno) VALUES ('31.1.', 'Marika');
INSERT INTO svatky (datum, jmeno) VALUES ('1.2.', 'Hynek');
INSERT INTO svatky (datum, jmeno) VALUES ('2.2.', 'Nela');
INSERT INTO svatky (datum, jmeno) VALUES ('3.2.', 'Blažej');
INSERT INTO svatky (datum, jmeno) VALUES ('4.2.', 'Jarmila');
INSERT INTO svatky (datum, jmeno) VALUES ('5.2.', 'Dobromila');
INSERT INTO svatky (datum, jmeno) VALUES ('6.2.', 'Vanda');
INSERT INTO svatky (datum, jmeno) VALUES ('7.2.', 'Veronika');
INSERT INTO svatky (datum, jmeno) VALUES ('8.2.', 'Milada');
INSERT INTO svatky (datum, jmeno) VALUES ('9.2.', 'Apolena');
INSERT INTO svatky (datum, jmeno) VALUES ('10.2.', 'Mojmír');
INSERT INTO svatky (datum, jmeno) VALUES ('11.2.', 'Božena');
INSERT INTO svatky (datum, jmeno) VALUES ('12.2.', 'Slavěna');
INSERT INTO svatky (datum, jmeno) VALUES ('13.2.', 'Věnceslav');
INSERT INTO svatky (datum, jmeno) VALUES ('14.2.', 'Valentýn');
INSERT INTO svatky (datum, jmeno) VALUES ('15.2.', 'Jiřina');
INSERT INTO svatky (datum, jmeno) VALUES ('16.2.', 'Ljuba');
INSERT INTO svatky (datum, jmeno) VALUES ('17.2.', 'Miloslava');
INSERT INTO svatky (datum, jmeno) VALUES ('18.2.', 'Gizela');
INSERT INTO svatky (datum, jmeno) VALUES ('19.2.', 'Patrik');
INSERT INTO svatky (datum, jmeno) VALUES ('20.2.', 'Oldřich');
INSERT INTO svatky (datum, jmeno) VALUES ('21.2.', 'Lenka');
INSERT INTO svatky (datum, jmeno) VALUES ('22.2.', 'Petr');
INSERT INTO svatky (datum, jmeno) VALUES ('23.2.', 'Svatopluk');
INSERT INTO svatky (datum, jmeno) VALUES ('24.2.', 'Matěj');
INSERT INTO svatky (datum, jmeno) VALUES ('25.2.', 'Liliana');
INSERT INTO svatky (datum, jmeno) VALUES ('26.2.', 'Dorota');
INSERT INTO svatky (datum, jmeno) VALUES ('27.2.', 'Alexandr');
INSERT INTO svatky (datum, jmeno) VALUES ('28.2.', 'Lumír');
INSERT INTO svatky (datum, jmeno) VALUES ('29.2.', 'Horymír');
INSERT INTO svatky (datum, jmeno) VALUES ('1.3.', 'Bedřich');
INSERT INTO svatky (datum, jmeno) VALUES ('2.3.', 'Anežka');
INSERT INTO svatky (datum, jmeno) VALUES ('3.3.', 'Kamil');
INSERT INTO svatky (datum, jmeno) VALUES ('4.3.', 'Stela');
INSERT INTO svatky (datum, jmeno) VALUES ('5.3.', 'Kazimír');
INSERT INTO svatky (datum, jmeno) VALUES ('6.3.', 'Miroslav');
INSERT INTO svatky (datum, jmeno) VALUES ('7.3.', 'Tomáš');
INSERT INTO svatky (datum, jmeno) VALUES ('8.3.', 'Gabriela');
INSERT INTO svatky (datum, jmeno) VALUES ('9.3.', 'Františka');
INSERT INTO svatky (datum, jmeno) VALUES ('10.3.', 'Viktorie');
INSERT INTO svatky (datum, jmeno) VALUES ('11.3.', 'Anděla');
INSERT INTO svatky (datum, jmeno) VALUES ('12.3.', 'Řehoř');
INSERT INTO svatky (datum, jmeno) VALUES ('13.3.', 'Růžena');
INSERT INTO svatky (datum, jmeno) VALUES ('14.3.', 'Rút a Matylda');
INSERT INTO svatky (datum, jmeno) VALUES ('15.3.', 'Ida');
INSERT INTO svatky (datum, jmeno) VALUES ('16.3.', 'Elena a Herbert');
INSERT INTO svatky (datum, jmeno) VALUES ('17.3.', 'Vlastimil');
INSERT INTO svatky (datum, jmeno) VALUES ('18.3.', 'Eduard');
INSERT INTO svatky (datum, jmeno) VALUES ('19.3.', 'Josef');
INSERT INTO svatky (datum, jmeno) VALUES ('20.3.', 'Světlana');
INSERT INTO svatky (datum, jmeno) VALUES ('21.3.', 'Radek');
INSERT INTO svatky (datum, jmeno) VALUES ('22.3.', 'Leona');
INSERT INTO svatky (datum, jmeno) VALUES ('23.3.', 'Ivona');
INSERT INTO svatky (datum, jmeno) VALUES ('24.3.', 'Gabriel');
INSERT INTO svatky (datum, jmeno) VALUES ('25.3.', 'Marián');
INSERT INTO svatky (datum, jmeno) VALUES ('26.3.', 'Emanuel');
INSERT INTO svatky (datum, jmeno) VALUES ('27.3.', 'Dita');
INSERT INTO svatky (datum, jmeno) VALUES ('28.3.', 'Soňa');
INSERT INTO svatky (datum, jmeno) VALUES ('29.3.', 'Taťána');
INSERT INTO svatky (datum, jmeno) VALUES ('30.3.', 'Arnošt');
INSERT INTO svatky (datum, jmeno) VALUES ('31.3.', 'Kvido');
INSERT INTO svatky (datum, jmeno) VALUES ('1.4.', 'Hugo');
INSERT INTO svatky (datum, jmeno) VALUES ('2.4.', 'Erika');
INSERT INTO svatky (datum, jmeno) VALUES ('3.4.', 'Richard');
INSERT INTO svatky (datum, jmeno) VALUES ('4.4.', 'Ivana');
INSERT INTO svatky (datum, jmeno) VALUES ('5.4.', 'Miroslava');
INSERT INTO svatky (datum, jmeno) VALUES ('6.4.', 'Vendula');
INSERT INTO svatky (datum, jmeno) VALUES ('7.4.', 'Heřman a Hermína');
INSERT INTO svatky (datum, jmeno) VALUES ('8.4.', 'Ema');
INSERT INTO svatky (datum, jmeno) VALUES ('9.4.', 'Dušan');
INSERT INTO svatky (datum, jmeno) VALUES ('10.4.', 'Darja');
INSERT INTO svatky (datum, jmeno) VALUES ('11.4.', 'Izabela');
INSERT INTO svatky (datum, jmeno) VALUES ('12.4.', 'Julius');
INSERT INTO svatky (datum, jmeno) VALUES ('13.4.', 'Aleš');
INSERT INTO svatky (datum, jmeno) VALUES ('14.4.', 'Vincenc');
INSERT INTO svatky (datum, jmeno) VALUES ('15.4.', 'Anastázie');
INSERT INTO svatky (datum, jmeno) VALUES ('16.4.', 'Irena');
INSERT INTO svatky (datum, jmeno) VALUES ('17.4.', 'Rudolf');
INSERT INTO svatky (datum, jmeno) VALUES ('18.4.', 'Valérie');
INSERT INTO svatky (datum, jmeno) VALUES ('19.4.', 'Rostislav');
INSERT INTO svatky (datum, jmeno) VALUES ('20.4.', 'Marcela');
INSERT INTO svatky (datum, jmeno) VALUES ('21.4.', 'Alexandra');
INSERT INTO svatky (datum, jmeno) VALUES ('22.4.', 'Evženie');
INSERT INTO svatky (datum, jmeno) VALUES ('23.4.', 'Vojtěch');
INSERT INTO svatky (datum, jmeno) VALUES ('24.4.', 'Jiří');
INSERT INTO svatky (datum, jmeno) VALUES ('25.4.', 'Marek');
INSERT INTO svatky (datum, jmeno) VALUES ('26.4.', 'Oto');
INSERT INTO svatky (datum, jmeno) VALUES ('27.4.', 'Jaroslav');
INSERT INTO svatky (datum, jmeno) VALUES ('28.4.', 'Vlastislav');
INSERT INTO svatky (datum, jmeno) VALUES ('29.4.', 'Robert');
INSERT INTO svatky (datum, jmeno) VALUES ('30.4.', 'Blahoslav');
INSERT INTO svatky (datum, jmeno) VALUES ('1.5.', 'Svátek práce');
INSERT INTO svatky (datum, jmeno) VALUES ('2.5.', 'Zikmund');
INSERT INTO svatky (datum, jmeno) VALUES ('3.5.', 'Alexej');
INSERT INTO svatky (datum, jmeno) VALUES ('4.5.', 'Květoslav');
INSERT INTO svatky (datum, jmeno) VALUES ('5.5.', 'Klaudie');
INSERT INTO svatky (datum, jmeno) VALUES ('6.5.', 'Radoslav');
INSERT INTO svatky (datum, jmeno) VALUES ('7.5.', 'Stanislav');
INSERT INTO svatky (datum, jmeno) VALUES ('8.5.', 'Den vítězství');
INSERT INTO svatky (datum, jmeno) VALUES ('9.5.', 'Ctibor');
INSERT INTO svatky (datum, jmeno) VALUES ('10.5.', 'Blažena');
INSERT INTO svatky (datum, jmeno) VALUES ('11.5.', 'Svatava');
INSERT INTO svatky (datum, jmeno) VALUES ('12.5.', 'Pankrác');
INSERT INTO svatky (datum, jmeno) VALUES ('13.5.', 'Servác');
INSERT INTO svatky (datum, jmeno) VALUES ('14.5.', 'Bonifác');
INSERT INTO svatky (datum, jmeno) VALUES ('15.5.', 'Žofie');
INSERT INTO svatky (datum, jmeno) VALUES ('16.5.', 'Přemysl');
INSERT INTO svatky (datum, jmeno) VALUES ('17.5.', 'Aneta');
INSERT INTO svatky (datum, jmeno) VALUES ('18.5.', 'Nataša');
INSERT INTO svatky (datum, jmeno) VALUES ('19.5.', 'Ivo');
INSERT INTO svatky (datum, jmeno) VALUES ('20.5.', 'Zbyšek');
INSERT INTO svatky (datum, jmeno) VALUES ('21.5.', 'Monika');
INSERT INTO svatky (datum, jmeno) VALUES ('22.5.', 'Emil');
INSERT INTO svatky (datum, jmeno) VALUES ('23.5.', 'Vladimír');
INSERT INTO svatky (datum, jmeno) VALUES ('24.5.', 'Jana');
INSERT INTO svatky (datum, jmeno) VALUES ('25.5.', 'Viola');
INSERT INTO svatky (datum, jmeno) VALUES ('26.5.', 'Filip');
INSERT INTO svatky (datum, jmeno) VALUES ('27.5.', 'Valdemar');
INSERT INTO svatky (datum, jmeno) VALUES ('28.5.', 'Vilém');
INSERT INTO svatky (datum, jmeno) VALUES ('29.5.', 'Maxmilián');
INSERT INTO svatky (datum, jmeno) VALUES ('30.5.', 'Ferdinand');
INSERT INTO svatky (datum, jmeno) VALUES ('31.5.', 'Kamila');
INSERT INTO svatky (datum, jmeno) VALUES ('1.6.', 'Laura');
INSERT INTO svatky (datum, jmeno) VALUES ('2.6.', 'Jarmil');
INSERT INTO svatky (datum, jmeno) VALUES ('3.6.', 'Tamara');
INSERT INTO svatky (datum, jmeno) VALUES ('4.6.', 'Dalibor');
INSERT INTO svatky (datum, jmeno) VALUES ('5.6.', 'Dobroslav');
INSERT INTO svatky (datum, jmeno) VALUES ('6.6.', 'Norbert');
INSERT INTO svatky (datum, jmeno) VALUES ('7.6.', 'Iveta a Slavoj');
INSERT INTO svatky (datum, jmeno) VALUES ('8.6.', 'Medard');
INSERT INTO svatky (datum, jmeno) VALUES ('9.6.', 'Stanislava');
INSERT INTO svatky (datum, jmeno) VALUES ('10.6.', 'Gita');
INSERT INTO svatky (datum, jmeno) VALUES ('11.6.', 'Bruno');
INSERT INTO svatky (datum, jmeno) VALUES ('12.6.', 'Antonie');
INSERT INTO svatky (datum, jmeno) VALUES ('13.6.', 'Antonín');
INSERT INTO svatky (datum, jmeno) VALUES ('14.6.', 'Roland');
INSERT INTO svatky (datum, jmeno) VALUES ('15.6.', 'Vít');
INSERT INTO svatky (datum, jmeno) VALUES ('16.6.', 'Zbyněk');
INSERT INTO svatky (datum, jmeno) VALUES ('17.6.', 'Adolf');
INSERT INTO svatky (datum, jmeno) VALUES ('18.6.', 'Milan');
INSERT INTO svatky (datum, jmeno) VALUES ('19.6.', 'Leoš');
INSERT INTO svatky (datum, jmeno) VALUES ('20.6.', 'Květa');
INSERT INTO svatky (datum, jmeno) VALUES ('21.6.', 'Alois');
INSERT INTO svatky (datum, jmeno) VALUES ('22.6.', 'Pavla');
INSERT INTO svatky (datum, jmeno) VALUES ('23.6.', 'Zdeňka');
INSERT INTO svatky (datum, jmeno) VALUES ('24.6.', 'Jan');
INSERT INTO svatky (datum, jmeno) VALUES ('25.6.', 'Ivan');
INSERT INTO svatky (datum, jmeno) VALUES ('26.6.', 'Adriana');
INSERT INTO svatky (datum, jmeno) VALUES ('27.6.', 'Ladislav');
INSERT INTO svatky (datum, jmeno) VALUES ('28.6.', 'Lubomír');
INSERT INTO svatky (datum, jmeno) VALUES ('29.6.', 'Petr a Pavel');
INSERT INTO svatky (datum, jmeno) VALUES ('30.6.', 'Šárka');
INSERT INTO svatky (datum, jmeno) VALUES ('1.7.', 'Jaroslava');
INSERT INTO svatky (datum, jmeno) VALUES ('2.7.', 'Patricie');
INSERT INTO svatky (datum, jmeno) VALUES ('3.7.', 'Radomír');
INSERT INTO svatky (datum, jmeno) VALUES ('4.7.', 'Prokop');
INSERT INTO svatky (datum, jmeno) VALUES ('5.7.', 'Cyril a Metoděj');
INSERT INTO svatky (datum, jmeno) VALUES ('6.7.', 'Mistr Jan Hus');
INSERT INTO svatky (datum, jmeno) VALUES ('7.7.', 'Bohuslava');
INSERT INTO svatky (datum, jmeno) VALUES ('8.7.', 'Nora');
INSERT INTO svatky (datum, jmeno) VALUES ('9.7.', 'Drahoslava');
INSERT INTO svatky (datum, jmeno) VALUES ('10.7.', 'Libuše a Amálie');
INSERT INTO svatky (datum, jmeno) VALUES ('11.7.', 'Olga');
INSERT INTO svatky (datum, jmeno) VALUES ('12.7.', 'Bořek');
INSERT INTO svatky (datum, jmeno) VALUES ('13.7.', 'Markéta');
INSERT INTO svatky (datum, jmeno) VALUES ('14.7.', 'Karolína');
INSERT INTO svatky (datum, jmeno) VALUES ('15.7.', 'Jindřich');
INSERT INTO svatky (datum, jmeno) VALUES ('16.7.', 'Luboš');
INSERT INTO svatky (datum, jmeno) VALUES ('17.7.', 'Martina');
INSERT INTO svatky (datum, jmeno) VALUES ('18.7.', 'Drahomíra');
INSERT INTO svatky (datum, jmeno) VALUES ('19.7.', 'Čeněk');
INSERT INTO svatky (datum, jmeno) VALUES ('20.7.', 'Ilja');
INSERT INTO svatky (datum, jmeno) VALUES ('21.7.', 'Vítězslav');
INSERT INTO svatky (datum, jmeno) VALUES ('22.7.', 'Magdaléna');
INSERT INTO svatky (datum, jmeno) VALUES ('23.7.', 'Libor');
INSERT INTO svatky (datum, jmeno) VALUES ('24.7.', 'Kristýna');
INSERT INTO svatky (datum, jmeno) VALUES ('25.7.', 'Jakub');
INSERT INTO svatky (datum, jmeno) VALUES ('26.7.', 'Anna');
INSERT INTO svatky (datum, jmeno) VALUES ('27.7.', 'Věroslav');
INSERT INTO svatky (datum, jmeno) VALUES ('28.7.', 'Viktor');
INSERT INTO svatky (datum, jmeno) VALUES ('29.7.', 'Marta');
INSERT INTO svatky (datum, jmeno) VALUES ('30.7.', 'Bořivoj');
INSERT INTO svatky (datum, jmeno) VALUES ('31.7.', 'Ignác');
INSERT INTO svatky (datum, jmeno) VALUES ('1.8.', 'Oskar');
INSERT INTO svatky (datum, jmeno) VALUES ('2.8.', 'Gustav');
INSERT INTO svatky (datum, jmeno) VALUES ('3.8.', 'Miluše');
INSERT INTO svatky (datum, jmeno) VALUES ('4.8.', 'Dominik');
INSERT INTO svatky (datum, jmeno) VALUES ('5.8.', 'Kristián');
INSERT INTO svatky (datum, jmeno) VALUES ('6.8.', 'Oldřiška');
INSERT INTO svatky (datum, jmeno) VALUES ('7.8.', 'Lada');
INSERT INTO svatky (datum, jmeno) VALUES ('8.8.', 'Soběslav');
INSERT INTO svatky (datum, jmeno) VALUES ('9.8.', 'Roman');
INSERT INTO svatky (datum, jmeno) VALUES ('10.8.', 'Vavřinec');
INSERT INTO svatky (datum, jmeno) VALUES ('11.8.', 'Zuzana');
INSERT INTO svatky (datum, jmeno) VALUES ('12.8.', 'Klára');
INSERT INTO svatky (datum, jmeno) VALUES ('13.8.', 'Alena');
INSERT INTO svatky (datum, jmeno) VALUES ('14.8.', 'Alan');
INSERT INTO svatky (datum, jmeno) VALUES ('15.8.', 'Hana');
INSERT INTO svatky (datum, jmeno) VALUES ('16.8.', 'Jáchym');
INSERT INTO svatky (datum, jmeno) VALUES ('17.8.', 'Petra');
INSERT INTO svatky (datum, jmeno) VALUES ('18.8.', 'Helena');
INSERT INTO svatky (datum, jmeno) VALUES ('19.8.', 'Ludvík');
INSERT INTO svatky (datum, jmeno) VALUES ('20.8.', 'Bernard');
INSERT INTO svatky (datum, jmeno) VALUES ('21.8.', 'Johana');
INSERT INTO svatky (datum, jmeno) VALUES ('22.8.', 'Bohuslav');
INSERT INTO svatky (datum, jmeno) VALUES ('23.8.', 'Sandra');
INSERT INTO svatky (datum, jmeno) VALUES ('24.8.', 'Bartoloměj');
INSERT INTO svatky (datum, jmeno) VALUES ('25.8.', 'Radim');
INSERT INTO svatky (datum, jmeno) VALUES ('26.8.', 'Luděk');
INSERT INTO svatky (datum, jmeno) VALUES ('27.8.', 'Otakar');
INSERT INTO svatky (datum, jmeno) VALUES ('28.8.', 'Augustýn');
INSERT INTO svatky (datum, jmeno) VALUES ('29.8.', 'Evelína');
INSERT INTO svatky (datum, jmeno) VALUES ('30.8.', 'Vladěna');
INSERT INTO svatky (datum, jmeno) VALUES ('31.8.', 'Pavlína');
INSERT INTO svatky (datum, jmeno) VALUES ('1.9.', 'Linda a Samuel');
INSERT INTO svatky (datum, jmeno) VALUES ('2.9.', 'Adéla');
INSERT INTO svatky (datum, jmeno) VALUES ('3.9.', 'Bronislav');
INSERT INTO svatky (datum, jmeno) VALUES ('4.9.', 'Jindřiška');
INSERT INTO svatky (datum, jmeno) VALUES ('5.9.', 'Boris');
INSERT INTO svatky (datum, jmeno) VALUES ('6.9.', 'Boleslav');
INSERT INTO svatky (datum, jmeno) VALUES ('7.9.', 'Regína');
INSERT INTO svatky (datum, jmeno) VALUES ('8.9.', 'Mariana');
INSERT INTO svatky (datum, jmeno) VALUES ('9.9.', 'Daniela');
INSERT INTO svatky (datum, jmeno) VALUES ('10.9.', 'Irma');
INSERT INTO svatky (datum, jmeno) VALUES ('11.9.', 'Denisa');
INSERT INTO svatky (datum, jmeno) VALUES ('12.9.', 'Marie');
INSERT INTO svatky (datum, jmeno) VALUES ('13.9.', 'Lubor');
INSERT INTO svatky (datum, jmeno) VALUES ('14.9.', 'Radka');
INSERT INTO svatky (datum, jmeno) VALUES ('15.9.', 'Jolana');
INSERT INTO svatky (datum, jmeno) VALUES ('16.9.', 'Ludmila');
INSERT INTO svatky (datum, jmeno) VALUES ('17.9.', 'Naděžda');
INSERT INTO svatky (datum, jmeno) VALUES ('18.9.', 'Kryštof');
INSERT INTO svatky (datum, jmeno) VALUES ('19.9.', 'Zita');
INSERT INTO svatky (datum, jmeno) VALUES ('20.9.', 'Oleg');
INSERT INTO svatky (datum, jmeno) VALUES ('21.9.', 'Matouš');
INSERT INTO svatky (datum, jmeno) VALUES ('22.9.', 'Darina');
INSERT INTO svatky (datum, jmeno) VALUES ('23.9.', 'Berta');
INSERT INTO svatky (datum, jmeno) VALUES ('24.9.', 'Jaromír');
INSERT INTO svatky (datum, jmeno) VALUES ('25.9.', 'Zlata');
INSERT INTO svatky (datum, jmeno) VALUES ('26.9.', 'Andrea');
INSERT INTO svatky (datum, jmeno) VALUES ('27.9.', 'Jonáš');
INSERT INTO svatky (datum, jmeno) VALUES ('28.9.', 'Václav');
INSERT INTO svatky (datum, jmeno) VALUES ('29.9.', 'Michal');
INSERT INTO svatky (datum, jmeno) VALUES ('30.9.', 'Jeroným');
INSERT INTO svatky (datum, jmeno) VALUES ('1.10.', 'Igor');
INSERT INTO svatky (datum, jmeno) VALUES ('2.10.', 'Olívie a Oliver');
INSERT INTO svatky (datum, jmeno) VALUES ('3.10.', 'Bohumil');
INSERT INTO svatky (datum, jmeno) VALUES ('4.10.', 'František');
INSERT INTO svatky (datum, jmeno) VALUES ('5.10.', 'Eliška');
INSERT INTO svatky (datum, jmeno) VALUES ('6.10.', 'Hanuš');
INSERT INTO svatky (datum, jmeno) VALUES ('7.10.', 'Justýna');
INSERT INTO svatky (datum, jmeno) VALUES ('8.10.', 'Věra');
INSERT INTO svatky (datum, jmeno) VALUES ('9.10.', 'Štefan a Sára');
INSERT INTO svatky (datum, jmeno) VALUES ('10.10.', 'Marina');
INSERT INTO svatky (datum, jmeno) VALUES ('11.10.', 'Andrej');
INSERT INTO svatky (datum, jmeno) VALUES ('12.10.', 'Marcel');
INSERT INTO svatky (datum, jmeno) VALUES ('13.10.', 'Renáta');
INSERT INTO svatky (datum, jmeno) VALUES ('14.10.', 'Agáta');
INSERT INTO svatky (datum, jmeno) VALUES ('15.10.', 'Tereza');
INSERT INTO svatky (datum, jmeno) VALUES ('16.10.', 'Havel');
INSERT INTO svatky (datum, jmeno) VALUES ('17.10.', 'Hedvika');
INSERT INTO svatky (datum, jmeno) VALUES ('18.10.', 'Lukáš');
INSERT INTO svatky (datum, jmeno) VALUES ('19.10.', 'Michaela');
INSERT INTO svatky (datum, jmeno) VALUES ('20.10.', 'Vendelín');
INSERT INTO svatky (datum, jmeno) VALUES ('21.10.', 'Brigita');
INSERT INTO svatky (datum, jmeno) VALUES ('22.10.', 'Sabina');
INSERT INTO svatky (datum, jmeno) VALUES ('23.10.', 'Teodor');
INSERT INTO svatky (datum, jmeno) VALUES ('24.10.', 'Nina');
INSERT INTO svatky (datum, jmeno) VALUES ('25.10.', 'Beáta');
INSERT INTO svatky (datum, jmeno) VALUES ('26.10.', 'Erik');
INSERT INTO svatky (datum, jmeno) VALUES ('27.10.', 'Šarlota a Zoe');
INSERT INTO svatky (datum, jmeno) VALUES ('28.10.', 'Den vzniku samostatného československého státu');
INSERT INTO svatky (datum, jmeno) VALUES ('29.10.', 'Silvie');
INSERT INTO svatky (datum, jmeno) VALUES ('30.10.', 'Tadeáš');
INSERT INTO svatky (datum, jmeno) VALUES ('31.10.', 'Štěpánka');
INSERT INTO svatky (datum, jmeno) VALUES ('1.11.', 'Felix');
INSERT INTO svatky (datum, jmeno) VALUES ('2.11.', 'Památka zesnulých');
INSERT INTO svatky (datum, jmeno) VALUES ('3.11.', 'Hubert');
INSERT INTO svatky (datum, jmeno) VALUES ('4.11.', 'Karel');
INSERT INTO svatky (datum, jmeno) VALUES ('5.11.', 'Miriam');
INSERT INTO svatky (datum, jmeno) VALUES ('6.11.', 'Liběna');
INSERT INTO svatky (datum, jmeno) VALUES ('7.11.', 'Saskie');
INSERT INTO svatky (datum, jmeno) VALUES ('8.11.', 'Bohumír');
INSERT INTO svatky (datum, jmeno) VALUES ('9.11.', 'Bohdan');
INSERT INTO svatky (datum, jmeno) VALUES ('10.11.', 'Evžen');
INSERT INTO svatky (datum, jmeno) VALUES ('11.11.', 'Martin');
INSERT INTO svatky (datum, jmeno) VALUES ('12.11.', 'Benedikt');
INSERT INTO svatky (datum, jmeno) VALUES ('13.11.', 'Tibor');
INSERT INTO svatky (datum, jmeno) VALUES ('14.11.', 'Sáva');
INSERT INTO svatky (datum, jmeno) VALUES ('15.11.', 'Leopold');
INSERT INTO svatky (datum, jmeno) VALUES ('16.11.', 'Otmar');
INSERT INTO svatky (datum, jmeno) VALUES ('17.11.', 'Mahulena');
INSERT INTO svatky (datum, jmeno) VALUES ('18.11.', 'Romana');
INSERT INTO svatky (datum, jmeno) VALUES ('19.11.', 'Alžběta');
INSERT INTO svatky (datum, jmeno) VALUES ('20.11.', 'Nikola');
INSERT INTO svatky (datum, jmeno) VALUES ('21.11.', 'Albert');
INSERT INTO svatky (datum, jmeno) VALUES ('22.11.', 'Cecílie');
INSERT INTO svatky (datum, jmeno) VALUES ('23.11.', 'Klement');
INSERT INTO svatky (datum, jmeno) VALUES ('24.11.', 'Emílie');
INSERT INTO svatky (datum, jmeno) VALUES ('25.11.', 'Kateřina');
INSERT INTO svatky (datum, jmeno) VALUES ('26.11.', 'Artur');
INSERT INTO svatky (datum, jmeno) VALUES ('27.11.', 'Xenie');
INSERT INTO svatky (datum, jmeno) VALUES ('28.11.', 'René');
INSERT INTO svatky (datum, jmeno) VALUES ('29.11.', 'Zina');
INSERT INTO svatky (datum, jmeno) VALUES ('30.11.', 'Ondřej');
INSERT INTO svatky (datum, jmeno) VALUES ('1.12.', 'Iva');
INSERT INTO svatky (datum, jmeno) VALUES ('2.12.', 'Blanka');
INSERT INTO svatky (datum, jmeno) VALUES ('3.12.', 'Svatoslav');
INSERT INTO svatky (datum, jmeno) VALUES ('4.12.', 'Barbora');
INSERT INTO svatky (datum, jmeno) VALUES ('5.12.', 'Jitka');
INSERT INTO svatky (datum, jmeno) VALUES ('6.12.', 'Mikuláš');
INSERT INTO svatky (datum, jmeno) VALUES ('7.12.', 'Ambrož a Benjamín');
INSERT INTO svatky (datum, jmeno) VALUES ('8.12.', 'Květoslava');
INSERT INTO svatky (datum, jmeno) VALUES ('9.12.', 'Vratislav');
INSERT INTO svatky (datum, jmeno) VALUES ('10.12.', 'Julie');
INSERT INTO svatky (datum, jmeno) VALUES ('11.12.', 'Dana');
INSERT INTO svatky (datum, jmeno) VALUES ('12.12.', 'Simona');
INSERT INTO svatky (datum, jmeno) VALUES ('13.12.', 'Lucie');
INSERT INTO svatky (datum, jmeno) VALUES ('14.12.', 'Lýdie');
INSERT INTO svatky (datum, jmeno) VALUES ('15.12.', 'Radana a Radan');
INSERT INTO svatky (datum, jmeno) VALUES ('16.12.', 'Albína');
INSERT INTO svatky (datum, jmeno) VALUES ('17.12.', 'Daniel');
INSERT INTO svatky (datum, jmeno) VALUES ('18.12.', 'Miloslav');
INSERT INTO svatky (datum, jmeno) VALUES ('19.12.', 'Ester');
INSERT INTO svatky (datum, jmeno) VALUES ('20.12.', 'Dagmar');
INSERT INTO svatky (datum, jmeno) VALUES ('21.12.', 'Natálie');
INSERT INTO svatky (datum, jmeno) VALUES ('22.12.', 'Šimon');
INSERT INTO svatky (datum, jmeno) VALUES ('23.12.', 'Vlasta');
INSERT INTO svatky (datum, jmeno) VALUES ('24.12.', 'Adam a Eva');
INSERT INTO svatky (datum, jmeno) VALUES ('25.12.', '1. svátek vánoční');
INSERT INTO svatky (datum, jmeno) VALUES ('26.12.', 'Štěpán');
INSERT INTO svatky (datum, jmeno) VALUES ('27.12.', 'Žaneta');
INSERT INTO svatky (datum, jmeno) VALUES ('28.12.', 'Bohumila');
INSERT INTO svatky (datum, jmeno) VALUES ('29.12.', 'Judita');
INSERT INTO svatky (datum, jmeno) VALUES ('30.12.', 'David');
INSERT INTO svatky (datum, jmeno) VALUES ('31.12.', 'Silvestr');
