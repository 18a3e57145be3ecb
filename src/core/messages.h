#pragma once
// The message catalogue: every text that more than one window shows. The texts
// are the program's own and are kept exactly, blanks and spelling included.
// "\r" starts a new line in the message window.

#include <QString>

namespace msg {

inline const QString connectionBroken = QStringLiteral("The connection to database has been broken!");
inline const QString localityMissingProp = QStringLiteral("Property 'Locality' is missing!");
inline const QString countryMissingProp = QStringLiteral("Property 'Country' is missing!");
inline const QString genderEmpty = QStringLiteral("The compulsory field 'Gender' is empty!");
inline const QString firstNameMissing = QStringLiteral("First name is missing!");
inline const QString zipMissing = QStringLiteral("Zip code is missing!");
inline const QString streetMissing = QStringLiteral("Street/postal address is missing!");
inline const QString availabilityTypeMissing = QStringLiteral("The field 'Availability Type' is missing!");
inline const QString availabilityMissing = QStringLiteral("The compulsory field 'Availability' is missing!");
inline const QString confirmDelete = QStringLiteral("Are you sure to delete this record?");
inline const QString laboratoryNameMissing = QStringLiteral("The name of the laboratory is missing!");
inline const QString positionEmpty = QStringLiteral("A field 'Position' is empty!");
inline const QString recordSaved = QStringLiteral("The data record has been saved!");
inline const QString boundaryShapeEmpty = QStringLiteral("The field \"Boundary shape\" is empty!");
inline const QString recordExists = QStringLiteral("This record already exists!");
inline const QString fabricEmpty = QStringLiteral("The field 'Fabric' is empty!");
inline const QString fabricTypeEmpty = QStringLiteral("The field 'Fabric type' is empty!");
inline const QString colourEmpty = QStringLiteral("The field 'Colour' is empty!");
inline const QString methodEmpty = QStringLiteral("The field 'Method' is empty!");
inline const QString confirmSave = QStringLiteral("Are you sure to save the record?");
inline const QString recordLinked = QStringLiteral("This record cannot be deleted since it is linked to other table(s)!");
inline const QString localityNameMissing = QStringLiteral("The locality name is missing!");
inline const QString geologicalUnitMissing = QStringLiteral("The Geological Unit is missing!");
inline const QString continentMissing = QStringLiteral("The definition of continent is missing!");
inline const QString sampleNameMissing = QStringLiteral("The field 'Samplename is missing!");
inline const QString saveBeforeMethodName = QStringLiteral("Before you assign a name to the method, you must save the data. \rDo you wish to save the record?");
inline const QString mineralEmpty = QStringLiteral("The field 'Mineral' is empty.");
inline const QString pictureEmpty = QStringLiteral("The field 'Picture' is empty!");
inline const QString nameMissing = QStringLiteral("Missing Name property!");
inline const QString elementEmpty = QStringLiteral("The field 'Element' is emty");
inline const QString isotopeEmpty = QStringLiteral("The field 'Isotop' is emty");
inline const QString saveBeforeMethodElement = QStringLiteral("Before you assign an element to the method, you must save the data. \rDo you wish to save the record?");
inline const QString artefactEmpty = QStringLiteral("The field 'Artefact' id empty!");
inline const QString titleAlreadyListed = QStringLiteral("This Title is already present in the list!");
inline const QString titleEmpty = QStringLiteral("The field 'Title' is empty!");
inline const QString lastNameEmpty = QStringLiteral("The field 'Last name' is empty!");
inline const QString passwordsDiffer = QStringLiteral("The two new  passwords are not equable!");
inline const QString iniMissing = QStringLiteral("Can't find the connection. ini file!");
inline const QString wrongLogin = QStringLiteral("The user name or the password is wrong, or doesn't exist!");
inline const QString noRight = QStringLiteral("You don't have the right to this procedure!");
inline const QString updateReplaceFailed = QStringLiteral("Hiba az Update során: az ideiglenes fájl nem tudta felülírni az indítófájlt!");
inline const QString atomicNumberEmpty = QStringLiteral("The field Atomic number is emty!");
inline const QString substanceEmpty = QStringLiteral("The field 'Substance' is emty! ");
inline const QString categoryEmpty = QStringLiteral("The field 'Category' is empty!");
inline const QString artNameEmpty = QStringLiteral("The field 'Art name' is empty! ");
inline const QString instituteEmpty = QStringLiteral("The field 'Institute' is empty!");
inline const QString saveBeforeInstitutionPerson = QStringLiteral("Before you assign a person to the Institution, you must save the data. \rDo you wish to save the record?");
inline const QString localityUpwardSelf = QStringLiteral("A Locality Upward nesting-je nem lehet saját maga!");
inline const QString saveBeforeLocalityName = QStringLiteral("Before you assign a name to the Locality, you must save the data. \rDo you wish to save the record?");
inline const QString saveBeforeArtefactName = QStringLiteral("Before you assign a name to the Artefact, you must save the data. \rDo you wish to save the record?");
inline const QString saveBeforeMetamorphicAge = QStringLiteral("Before you assign a Metamorphic age to the Geological Unit, you must save the data. \rDo you wish to save the record?");
inline const QString saveBeforeMeasurementName = QStringLiteral("Before you assign a name to the Measurement, you must save the data. \rDo you wish to save the record?");
inline const QString ageEmpty = QStringLiteral("The field 'Age' is empty!");
inline const QString geologicalUnitEmpty = QStringLiteral("The field 'Geological Unit' is empty!");
inline const QString ownChild = QStringLiteral("Nem lehet saját maga gyereke");
inline const QString measurementEmpty = QStringLiteral("The field 'Measurement' is empty!");
inline const QString idEmpty = QStringLiteral("The field 'ID' is empty!");
inline const QString homogenityEmpty = QStringLiteral("The field 'homogenous' or 'inhomogenous' is empty!");

}  // namespace msg
