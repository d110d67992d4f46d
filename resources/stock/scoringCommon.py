# common scoring 

import host
import bf2
import math

from bf2.stats.constants import *
from bf2 import g_debug

SCORE_KILL = 1
SCORE_TEAMKILL = -3
SCORE_SUICIDE = -2
SCORE_REVIVE = 1
SCORE_HEAL = 1
SCORE_RESUPPLY = 1
SCORE_REPAIR = 1
SCORE_STRATEGIC = 1
SCORE_CAPTURE = 2  # first player to take a control point
SCORE_CAPTUREASSIST = 1  # every other player who helped take it
SCORE_NEUTRALIZE = 2  # first player to neutralize an enemy point
SCORE_NEUTRALIZEASSIST = 1  # every other player who helped
SCORE_DEFEND = 1  # stopping the enemy from taking a point
SCORE_KILLASSIST_DRIVER = 1  # driver of the killer's vehicle
SCORE_KILLASSIST_PASSENGER = 1  # passenger who spotted the victim
SCORE_KILLASSIST_TARGETER = 1  # player who locked on to the victim
SCORE_KILLASSIST_DAMAGE = 1  # player who damaged the victim enough
SCORE_TEAMDAMAGE = -2  # hurting a team mate
SCORE_TEAMVEHICLEDAMAGE = -1  # damaging a vehicle of the own team
SCORE_DESTROYREMOTECONTROL = 1  # an enemy deployable
SCORE_DESTROYSPAWNPOINT = 2  # an enemy spawn beacon
SCORE_DESTROYSENSOR = 1  # an enemy sensor or drone
SCORE_TITANSHIELDSDOWN = 2  # bringing down the shields of a titan
SCORE_TITANCONSOLE = 1  # one of the four consoles of a titan
SCORE_TITANCORE = 4  # the core of a titan
SCORE_TITANDEFEND = 1  # every defender on board when it happens
SCORE_SQUADBONUS = 1  # per completed squad order
SCORE_COMMANDERBONUS = 1  # times the team's average score

# points needed before a support action earns one score point
REPAIR_POINT_LIMIT = 100  # repair points per score point
HEAL_POINT_LIMIT = 100  # heal points per score point
GIVEAMMO_POINT_LIMIT = 100  # ammo points per score point
TEAMDAMAGE_POINT_LIMIT = 50  # damage to team mates per penalty
TEAMVEHICLEDAMAGE_POINT_LIMIT = 50  # damage to team vehicles per penalty
KILLASSIST_DAMAGE_LIMIT = 50  # damage that earns a kill assist

# seconds before the same kind of award is given again
REPAIR_COOLDOWN = 2.0  # engineers
HEAL_COOLDOWN = 2.0  # medics
GIVEAMMO_COOLDOWN = 2.0  # support soldiers
DEFEND_RADIUS = 30.0  # metres around a control point
DEFEND_TIME = 10.0  # seconds a defender must stay near it
REVIVE_TIME = 15.0  # seconds a downed soldier can be revived

# score types, as the stats module counts them
SCORE_TYPE_KILL = 0  # kills and destroyed vehicles
SCORE_TYPE_TEAMKILL = 1  # penalty
SCORE_TYPE_SUICIDE = 2  # penalty
SCORE_TYPE_REVIVE = 3  # teamwork
SCORE_TYPE_HEAL = 4  # teamwork
SCORE_TYPE_RESUPPLY = 5  # teamwork
SCORE_TYPE_REPAIR = 6  # teamwork
SCORE_TYPE_STRATEGIC = 7  # control points, titans, deployables
SCORE_TYPE_ASSIST = 8  # kill assists of every kind
SCORE_TYPE_TEAMDAMAGE = 9  # penalty
SCORE_TYPE_BONUS = 10  # squad leader and commander bonuses

SCORE_TYPE_NAMES = {
	SCORE_TYPE_KILL: "kill",
	SCORE_TYPE_TEAMKILL: "teamkill",
	SCORE_TYPE_SUICIDE: "suicide",
	SCORE_TYPE_REVIVE: "revive",
	SCORE_TYPE_HEAL: "heal",
	SCORE_TYPE_RESUPPLY: "resupply",
	SCORE_TYPE_REPAIR: "repair",
	SCORE_TYPE_STRATEGIC: "strategic",
	SCORE_TYPE_ASSIST: "assist",
	SCORE_TYPE_TEAMDAMAGE: "teamdamage",
	SCORE_TYPE_BONUS: "bonus",
}

# vehicle kinds that count as a team asset when damaged by a friend
TEAM_ASSET_KINDS = [
	VEHICLE_TYPE_ARMOR,
	VEHICLE_TYPE_AVIATOR,
	VEHICLE_TYPE_AIRDEFENSE,
	VEHICLE_TYPE_GRNDDEFENSE,
	VEHICLE_TYPE_TRANSPORT,
]

g_lastRepairTime = {}
g_lastHealTime = {}
g_lastGiveAmmoTime = {}
g_killAssists = {}
g_titanScores = {}
g_reviveTimes = {}
g_roundStarted = False
g_initialized = False

def init():
	"""Registers the scoring handlers with the game server, once per map."""
	global g_initialized
	if g_initialized: return
	host.registerHandler('PlayerConnect', onPlayerConnect, 1)
	host.registerHandler('PlayerDisconnect', onPlayerDisconnect, 1)
	host.registerHandler('PlayerKilled', onPlayerKilled)
	host.registerHandler('PlayerDeath', onPlayerDeath)
	host.registerHandler('PlayerRevived', onPlayerRevived)
	host.registerHandler('PlayerHealPoint', onPlayerHealPoint)
	host.registerHandler('PlayerRepairPoint', onPlayerRepairPoint)
	host.registerHandler('PlayerGiveAmmoPoint', onPlayerGiveAmmoPoint)
	host.registerHandler('PlayerTeamDamagePoint', onPlayerTeamDamagePoint)
	host.registerHandler('ControlPointChangedOwner', onCPStatusChange)
	host.registerHandler('TitanPartDestroyed', onTitanPartDestroyed)
	host.registerHandler('TitanShieldsDown', onTitanShieldsDown)
	host.registerHandler('RemoteControlDestroyed', onRemoteControlDestroyed)
	host.registerHandler('EnterVehicle', onEnterVehicle)
	host.registerHandler('ExitVehicle', onExitVehicle)
	host.registerGameStatusHandler(onGameStatusChanged)
	g_initialized = True
	if g_debug: print "scoringCommon: handlers registered"

def deinit():
	"""Unregisters the status handler and forgets the state of the round."""
	global g_initialized
	host.unregisterGameStatusHandler(onGameStatusChanged)
	g_initialized = False
	resetRoundState()

def resetRoundState():
	"""Forgets the cooldowns, assists and revive timers of the last round."""
	g_lastRepairTime.clear()
	g_lastHealTime.clear()
	g_lastGiveAmmoTime.clear()
	g_killAssists.clear()
	g_titanScores.clear()
	g_reviveTimes.clear()

def onGameStatusChanged(status):
	"""Starts and ends the scoring of a round with the game status."""
	global g_roundStarted
	if status == bf2.GameStatus.Playing:
		g_roundStarted = True
		resetRoundState()
		for p in bf2.playerManager.getPlayers():
			resetPlayerScore(p)
	elif status == bf2.GameStatus.EndGame:
		g_roundStarted = False
		giveRoundBonuses()
	elif status == bf2.GameStatus.PreGame:
		g_roundStarted = False

def onPlayerConnect(player):
	"""Gives a joining player a clean score and empty cooldown timers."""
	resetPlayerScore(player)
	index = player.index
	g_lastRepairTime[index] = 0.0
	g_lastHealTime[index] = 0.0
	g_lastGiveAmmoTime[index] = 0.0
	g_killAssists[index] = {}

def onPlayerDisconnect(player):
	"""Drops everything kept about a player who left the server."""
	index = player.index
	for table in (g_lastRepairTime, g_lastHealTime, g_lastGiveAmmoTime, g_killAssists, g_reviveTimes):
		if table.has_key(index):
			del table[index]
	for assists in g_killAssists.values():
		if assists.has_key(index):
			del assists[index]

def resetPlayerScore(player):
	"""Sets every counter of the player's score back to zero."""
	if player.score == None: return
	player.score.score = 0
	player.score.kills = 0
	player.score.deaths = 0
	player.score.TKs = 0
	player.score.cpCaptures = 0
	player.score.cpAssists = 0
	player.score.cpNeutralizes = 0
	player.score.cpDefends = 0
	player.score.heals = 0
	player.score.revives = 0
	player.score.ammos = 0
	player.score.repairs = 0
	player.score.damageAssists = 0
	player.score.passengerAssists = 0
	player.score.driverAssists = 0
	player.score.targetAssists = 0
	player.score.teamDamages = 0
	player.score.teamVehicleDamages = 0
	player.score.suicides = 0
	player.score.bonusScore = 0
	player.score.rplScore = 0
	player.score.cmdScore = 0
	player.score.skillScore = 0
	player.score.experienceScore = 0
	player.score.awayBonus = 0
	player.score.heals = 0
	player.score.rcDestroys = 0
	player.score.titanPartsDestroyed = 0

def addScore(player, points, scoreType = SCORE_TYPE_KILL):
	"""Adds points to a player's score and to the sub total of its type."""
	if player == None: return
	if player.score == None: return
	if not g_roundStarted and scoreType != SCORE_TYPE_BONUS: return
	player.score.score += points
	if scoreType in (SCORE_TYPE_HEAL, SCORE_TYPE_RESUPPLY, SCORE_TYPE_REPAIR, SCORE_TYPE_REVIVE):
		player.score.rplScore += points
	elif scoreType == SCORE_TYPE_BONUS:
		player.score.bonusScore += points
	else:
		player.score.skillScore += points
	if g_debug:
		name = SCORE_TYPE_NAMES.get(scoreType, "unknown")
		print "scoringCommon: %s gets %d for %s" % (player.getName(), points, name)

def addSkillScore(player, points):
	"""Adds points to the skill score, as a kill would."""
	addScore(player, points, SCORE_TYPE_KILL)

def addStrategicScore(player, points):
	"""Adds points for a strategic action (flags, deployables, titans)."""
	addScore(player, points, SCORE_TYPE_STRATEGIC)

def isTeamAsset(vehicle):
	"""True for a vehicle whose damage by a friend counts as team damage."""
	if vehicle == None: return False
	return getVehicleType(vehicle.templateName) in TEAM_ASSET_KINDS

def getRootParent(obj):
	"""The outermost object that holds obj: a vehicle for its seats."""
	parent = obj.getParent()
	if parent == None:
		return obj
	while parent.getParent() != None:
		parent = parent.getParent()
	return parent

def getOccupyingPlayers(vehicle):
	"""The living players who sit anywhere in the vehicle."""
	players = []
	if vehicle == None: return players
	root = getRootParent(vehicle)
	for p in root.getOccupyingPlayers():
		if p.isAlive() and not p.isManDown():
			players.append(p)
	return players

def sameTeam(a, b):
	"""True when both players are known and play on the same team."""
	if a == None or b == None: return False
	return a.getTeam() == b.getTeam()

def onPlayerKilled(victim, attacker, weapon, assists, obj):
	"""Pays the killer, charges team kills and suicides, counts deaths."""
	if victim == None: return
	killedByEmptyVehicle = False
	countAssists = False

	if attacker == None and obj != None:
		if hasattr(obj, 'lastDrivingPlayerIndex'):
			attacker = bf2.playerManager.getPlayerByIndex(obj.lastDrivingPlayerIndex)
			killedByEmptyVehicle = True

	if attacker == None:
		if g_debug: print "scoringCommon: %s died without attacker" % victim.getName()
		return

	if attacker == victim:
		# a suicide: the victim pays for it
		attacker.score.suicides += 1
		addScore(attacker, SCORE_SUICIDE, SCORE_TYPE_SUICIDE)
	elif sameTeam(attacker, victim):
		# a team kill: the killer pays for it, unless the victim ran into an empty vehicle
		if not killedByEmptyVehicle:
			attacker.score.TKs += 1
			addScore(attacker, SCORE_TEAMKILL, SCORE_TYPE_TEAMKILL)
			countAssists = False
	else:
		attacker.score.kills += 1
		addScore(attacker, SCORE_KILL, SCORE_TYPE_KILL)
		countAssists = True

	victim.score.deaths += 1

	if countAssists:
		awardKillAssists(victim, attacker, assists)

	clearKillAssists(victim)

def awardKillAssists(victim, attacker, assists):
	"""Pays drivers, passengers, targeters and damage dealers of a kill."""
	for assist in assists:
		assister = assist[0]
		assistType = assist[1]
		if assister == None or assister == attacker: continue
		if sameTeam(assister, victim): continue
		if assistType == 0:
			assister.score.driverAssists += 1
			addScore(assister, SCORE_KILLASSIST_DRIVER, SCORE_TYPE_ASSIST)
		elif assistType == 1:
			assister.score.passengerAssists += 1
			addScore(assister, SCORE_KILLASSIST_PASSENGER, SCORE_TYPE_ASSIST)
		elif assistType == 2:
			assister.score.targetAssists += 1
			addScore(assister, SCORE_KILLASSIST_TARGETER, SCORE_TYPE_ASSIST)
		elif assistType == 3:
			damage = getAssistDamage(victim, assister)
			if damage >= KILLASSIST_DAMAGE_LIMIT:
				assister.score.damageAssists += 1
				addScore(assister, SCORE_KILLASSIST_DAMAGE, SCORE_TYPE_ASSIST)

def getAssistDamage(victim, assister):
	"""The damage the assister did to the victim since its last spawn."""
	table = g_killAssists.get(victim.index)
	if table == None: return 0
	return table.get(assister.index, 0)

def clearKillAssists(victim):
	"""Forgets the damage done to a player, after a death or a spawn."""
	if g_killAssists.has_key(victim.index):
		g_killAssists[victim.index] = {}

def onPlayerDeath(victim, vehicle):
	"""Remembers when a player went down, for the revive time limit."""
	if victim == None: return
	g_reviveTimes[victim.index] = date()

def onPlayerRevived(victim, reviver):
	"""Pays a revive of a team mate who went down a short while ago."""
	if victim == None or reviver == None: return
	if not sameTeam(victim, reviver): return
	deathTime = g_reviveTimes.get(victim.index, 0.0)
	if date() - deathTime > REVIVE_TIME: return
	reviver.score.revives += 1
	addScore(reviver, SCORE_REVIVE, SCORE_TYPE_REVIVE)
	if g_reviveTimes.has_key(victim.index):
		del g_reviveTimes[victim.index]

def onPlayerHealPoint(medic, receiver):
	"""Pays a medic for healing a team mate, at most once per cooldown."""
	if medic == None or receiver == None: return
	if medic == receiver: return
	if not sameTeam(medic, receiver): return
	now = date()
	if now - g_lastHealTime.get(medic.index, 0.0) < HEAL_COOLDOWN: return
	g_lastHealTime[medic.index] = now
	medic.score.heals += 1
	addScore(medic, SCORE_HEAL, SCORE_TYPE_HEAL)

def onPlayerRepairPoint(engineer, vehicle):
	"""Pays an engineer for repairing a vehicle that others use."""
	if engineer == None or vehicle == None: return
	occupants = getOccupyingPlayers(vehicle)
	if len(occupants) == 1 and occupants[0] == engineer: return
	if vehicle.getTeam() != 0 and vehicle.getTeam() != engineer.getTeam(): return
	now = date()
	if now - g_lastRepairTime.get(engineer.index, 0.0) < REPAIR_COOLDOWN: return
	g_lastRepairTime[engineer.index] = now
	engineer.score.repairs += 1
	addScore(engineer, SCORE_REPAIR, SCORE_TYPE_REPAIR)

def onPlayerGiveAmmoPoint(support, receiver):
	"""Pays a support soldier for resupplying a team mate."""
	if support == None or receiver == None: return
	if support == receiver: return
	if not sameTeam(support, receiver): return
	now = date()
	if now - g_lastGiveAmmoTime.get(support.index, 0.0) < GIVEAMMO_COOLDOWN: return
	g_lastGiveAmmoTime[support.index] = now
	support.score.ammos += 1
	addScore(support, SCORE_RESUPPLY, SCORE_TYPE_RESUPPLY)

def onPlayerTeamDamagePoint(attacker, victim):
	"""Charges damage done to a team mate or a team vehicle."""
	if attacker == None or victim == None: return
	if attacker == victim: return
	vehicle = victim.getVehicle()
	if vehicle != None and isTeamAsset(getRootParent(vehicle)):
		attacker.score.teamVehicleDamages += 1
		addScore(attacker, SCORE_TEAMVEHICLEDAMAGE, SCORE_TYPE_TEAMDAMAGE)
	else:
		attacker.score.teamDamages += 1
		addScore(attacker, SCORE_TEAMDAMAGE, SCORE_TYPE_TEAMDAMAGE)

def onPlayerDamage(victim, attacker, damage):
	"""Adds up the damage each enemy did to a player, for kill assists."""
	if victim == None or attacker == None: return
	if sameTeam(victim, attacker): return
	table = g_killAssists.setdefault(victim.index, {})
	table[attacker.index] = table.get(attacker.index, 0) + damage

def onCPStatusChange(cp, attackingTeam):
	"""Pays the players who took or neutralized a control point."""
	if cp == None: return
	position = cp.getPosition()
	takeOverPlayers = []
	for p in bf2.playerManager.getPlayers():
		if not p.isAlive() or p.isManDown(): continue
		if p.getTeam() != attackingTeam: continue
		if isNear(p, position, cp.cp_getParam('radius')):
			takeOverPlayers.append(p)

	if cp.cp_getParam('team') == 0:
		scoreType = 'neutralize'
	else:
		scoreType = 'capture'

	first = True
	for p in takeOverPlayers:
		if scoreType == 'capture':
			if first:
				p.score.cpCaptures += 1
				addStrategicScore(p, SCORE_CAPTURE)
			else:
				p.score.cpAssists += 1
				addStrategicScore(p, SCORE_CAPTUREASSIST)
		else:
			if first:
				p.score.cpNeutralizes += 1
				addStrategicScore(p, SCORE_NEUTRALIZE)
			else:
				p.score.cpAssists += 1
				addStrategicScore(p, SCORE_NEUTRALIZEASSIST)
		first = False

def isNear(player, position, radius):
	"""True when the player stands within radius of the position."""
	vehicle = player.getDefaultVehicle()
	if vehicle == None: return False
	there = vehicle.getPosition()
	dx = there[0] - position[0]
	dy = there[1] - position[1]
	dz = there[2] - position[2]
	return math.sqrt(dx * dx + dy * dy + dz * dz) <= radius

def onPlayerDefendCP(player, cp):
	"""Pays a player who defended a control point of the own team."""
	if player == None or cp == None: return
	if player.getTeam() != cp.cp_getParam('team'): return
	player.score.cpDefends += 1
	addStrategicScore(player, SCORE_DEFEND)

def onRemoteControlDestroyed(obj, attacker):
	"""Pays the destruction of an enemy deployable or spawn point."""
	if obj == None or attacker == None: return
	if obj.getTeam() == attacker.getTeam(): return
	attacker.score.rcDestroys += 1
	kind = getObjectKind(obj)
	if kind == 'spawnpoint':
		addStrategicScore(attacker, SCORE_DESTROYSPAWNPOINT)
	elif kind == 'sensor':
		addStrategicScore(attacker, SCORE_DESTROYSENSOR)
	else:
		addStrategicScore(attacker, SCORE_DESTROYREMOTECONTROL)

def getObjectKind(obj):
	"""Sorts a destroyed deployable by its template name."""
	name = obj.templateName.lower()
	if name.find('spawn') != -1 or name.find('beacon') != -1:
		return 'spawnpoint'
	if name.find('sensor') != -1 or name.find('uav') != -1 or name.find('radar') != -1:
		return 'sensor'
	return 'remote'

def onEnterVehicle(player, vehicle, freeSoldier = False):
	"""Remembers the driver of a vehicle, for kills by an empty vehicle."""
	if player == None or vehicle == None: return
	root = getRootParent(vehicle)
	if not hasattr(root, 'lastDrivingPlayerIndex'):
		root.lastDrivingPlayerIndex = player.index
	elif player.getVehicle() == root:
		root.lastDrivingPlayerIndex = player.index

def onExitVehicle(player, vehicle):
	"""Keeps the last driver of a vehicle that is left empty."""
	if player == None or vehicle == None: return
	root = getRootParent(vehicle)
	if hasattr(root, 'lastDrivingPlayerIndex'):
		if root.lastDrivingPlayerIndex == player.index and len(getOccupyingPlayers(root)) == 0:
			root.lastDrivingPlayerIndex = player.index

def onTitanPartDestroyed(titan, part, attacker):
	"""Pays the destruction of a part of the enemy titan."""
	if titan == None or attacker == None: return
	if titan.getTeam() == attacker.getTeam(): return
	attacker.score.titanPartsDestroyed += 1
	name = part.templateName.lower()
	if name.find('core') != -1:
		addStrategicScore(attacker, SCORE_TITANCORE)
		giveTitanTeamBonus(attacker.getTeam(), SCORE_TITANDEFEND)
	elif name.find('console') != -1:
		addStrategicScore(attacker, SCORE_TITANCONSOLE)
	else:
		addStrategicScore(attacker, SCORE_STRATEGIC)
	team = attacker.getTeam()
	g_titanScores[team] = g_titanScores.get(team, 0) + 1

def giveTitanTeamBonus(team, points):
	"""Pays a bonus to every living player of the team."""
	for p in bf2.playerManager.getPlayers():
		if p.getTeam() != team: continue
		if not p.isAlive(): continue
		addScore(p, points, SCORE_TYPE_BONUS)

def giveRoundBonuses():
	"""Pays the squad leader and commander bonuses at the end of a round."""
	for p in bf2.playerManager.getPlayers():
		if p.isSquadLeader() and p.getSquadId() != 0:
			members = getSquadMembers(p.getTeam(), p.getSquadId())
			bonus = 0
			for m in members:
				if m != p:
					bonus += m.score.rplScore / 10
			if bonus > 0:
				p.score.bonusScore += bonus * SCORE_SQUADBONUS
				addScore(p, bonus * SCORE_SQUADBONUS, SCORE_TYPE_BONUS)
		if p.isCommander():
			total = 0
			for m in bf2.playerManager.getPlayers():
				if m.getTeam() == p.getTeam() and m != p:
					total += m.score.score
			count = getTeamSize(p.getTeam()) - 1
			if count > 0:
				bonus = int(total / count) * SCORE_COMMANDERBONUS
				p.score.cmdScore += bonus
				addScore(p, bonus, SCORE_TYPE_BONUS)

def getSquadMembers(team, squadId):
	"""The players of the team who belong to the squad."""
	members = []
	for p in bf2.playerManager.getPlayers():
		if p.getTeam() == team and p.getSquadId() == squadId:
			members.append(p)
	return members

def getTeamSize(team):
	"""The number of players on the team."""
	count = 0
	for p in bf2.playerManager.getPlayers():
		if p.getTeam() == team:
			count += 1
	return count

# How the points above are given out
#
# Every award goes through addScore(), which adds the points to the player's
# total score and to one of the three sub totals the scoreboard shows: the
# skill score (kills, kill assists, strategic actions), the teamwork score
# (heals, revives, resupplies, repairs) and the bonus score (squad leader and
# commander bonuses at the end of a round).  Penalties (team kills, suicides,
# team damage) go into the skill score as negative points.
#
# Support actions (heal, resupply, repair) are reported by the engine many
# times a second while the action goes on.  To keep a medic from earning a
# point for every tick, each kind of support action pays at most once per
# cooldown period (the *_COOLDOWN values, in seconds).
#
# A kill assist is paid to the driver of the vehicle the killer sat in, to a
# passenger who spotted the target, to a player who targeted it for a guided
# weapon, and to every enemy who did at least KILLASSIST_DAMAGE_LIMIT points
# of damage to the victim since the victim's last spawn.
#
# Strategic points are paid for taking, neutralizing and defending control
# points, for destroying the enemy's deployables and for the parts of the
# enemy titan.  A titan core destroyed also pays the attacking team a bonus.

# Penalties
#
# A team kill costs the killer SCORE_TEAMKILL points, a suicide costs the
# victim SCORE_SUICIDE points.  A soldier run over by an empty vehicle that a
# team mate left rolling is not charged to that team mate as a team kill.
# Damage to team mates and to the vehicles of the own team costs points as
# well, once the damage adds up to the *_POINT_LIMIT values above, so that a
# stray bullet in a fire fight does not cost anything.  Destroying a vehicle
# of the own team always counts as team vehicle damage.  None of the
# penalties can take a player below the score of zero at the end of a round;
# the scoreboard shows the score as it stands.

# points for destroying an enemy vehicle, by vehicle kind
VEHICLE_DESTROY_SCORES = {
	VEHICLE_TYPE_ARMOR: 2,
	VEHICLE_TYPE_AVIATOR: 2,
	VEHICLE_TYPE_AIRDEFENSE: 1,
	VEHICLE_TYPE_GRNDDEFENSE: 1,
	VEHICLE_TYPE_TRANSPORT: 1,
	VEHICLE_TYPE_SOLDIER: 0,
	VEHICLE_TYPE_NIGHTVISION: 0,
	VEHICLE_TYPE_GASMASK: 0,
	VEHICLE_TYPE_PARACHUTE: 0,
	VEHICLE_TYPE_UNKNOWN: 0,
}

# points for destroying an enemy commander asset, by template name prefix
COMMANDER_ASSET_SCORES = [
	('uav_trailer', 2),
	('orbital_strike', 2),
	('empsatellite', 2),
	('radar_station', 2),
	('supply_drop', 1),
	('spawn_beacon', 1),
	('motion_mine', 1),
	('sentry_gun', 1),
]

# experience for each score type, used for the unlock progress of a round
EXPERIENCE_PER_SCORE_TYPE = {
	SCORE_TYPE_KILL: 2,
	SCORE_TYPE_TEAMKILL: 0,
	SCORE_TYPE_SUICIDE: 0,
	SCORE_TYPE_REVIVE: 2,
	SCORE_TYPE_HEAL: 1,
	SCORE_TYPE_RESUPPLY: 1,
	SCORE_TYPE_REPAIR: 1,
	SCORE_TYPE_STRATEGIC: 2,
	SCORE_TYPE_ASSIST: 1,
	SCORE_TYPE_TEAMDAMAGE: 0,
	SCORE_TYPE_BONUS: 1,
}

def onVehicleDestroyed(vehicle, attacker):
	"""Pays the destruction of an enemy vehicle; charges a friendly one."""
	if vehicle == None: return
	root = getRootParent(vehicle)
	if attacker == None:
		if hasattr(root, 'lastDrivingPlayerIndex'):
			del root.lastDrivingPlayerIndex
		return
	kind = getVehicleType(root.templateName)
	points = VEHICLE_DESTROY_SCORES.get(kind, 0)
	if root.getTeam() == attacker.getTeam():
		# a friendly asset lost: counts as team damage, never as a reward
		if isTeamAsset(root):
			attacker.score.teamVehicleDamages += 1
			addScore(attacker, SCORE_TEAMVEHICLEDAMAGE, SCORE_TYPE_TEAMDAMAGE)
	elif points > 0:
		addScore(attacker, points, SCORE_TYPE_KILL)
		passengers = getOccupyingPlayers(attacker.getVehicle())
		for p in passengers:
			if p != attacker:
				p.score.passengerAssists += 1
				addScore(p, SCORE_KILLASSIST_PASSENGER, SCORE_TYPE_ASSIST)
	if hasattr(root, 'lastDrivingPlayerIndex'):
		del root.lastDrivingPlayerIndex

def onCommanderAssetDestroyed(asset, attacker):
	"""Pays the destruction of an enemy commander asset."""
	if asset == None or attacker == None: return
	if asset.getTeam() == attacker.getTeam(): return
	name = asset.templateName.lower()
	for prefix, points in COMMANDER_ASSET_SCORES:
		if name.startswith(prefix):
			attacker.score.rcDestroys += 1
			addStrategicScore(attacker, points)
			return
	addStrategicScore(attacker, SCORE_DESTROYREMOTECONTROL)

def onPlayerSpawn(player, soldier):
	"""Starts a spawned player with no damage counted against it."""
	if player == None: return
	clearKillAssists(player)
	if g_reviveTimes.has_key(player.index):
		del g_reviveTimes[player.index]

def onPlayerChangeTeams(player, humanHasSpawned):
	"""Drops the pending assists of a player who changed sides."""
	if player == None: return
	# a player who changes sides keeps the points but loses pending assists
	clearKillAssists(player)
	for assists in g_killAssists.values():
		if assists.has_key(player.index):
			del assists[player.index]
	if g_reviveTimes.has_key(player.index):
		del g_reviveTimes[player.index]

def onSquadOrderCompleted(squadLeader, order, members):
	"""Pays the squad members who carried out their leader's order."""
	if squadLeader == None: return
	paid = 0
	for p in members:
		if p == None or not p.isAlive(): continue
		if p.getTeam() != squadLeader.getTeam(): continue
		addScore(p, SCORE_SQUADBONUS, SCORE_TYPE_BONUS)
		paid += 1
	if paid > 0:
		addScore(squadLeader, SCORE_SQUADBONUS, SCORE_TYPE_BONUS)
	if g_debug:
		print "scoringCommon: order %s completed by %d squad members" % (order, paid)

def onDogTagTaken(victim, attacker):
	"""Counts a dog tag taken from an enemy with the knife."""
	if victim == None or attacker == None: return
	if sameTeam(victim, attacker): return
	# the knife kill itself was paid by onPlayerKilled; the tag only counts
	attacker.score.dogTags = getattr(attacker.score, 'dogTags', 0) + 1

def getExperience(scoreType, points):
	"""The experience that points of a score type are worth."""
	if points <= 0: return 0
	return EXPERIENCE_PER_SCORE_TYPE.get(scoreType, 0) * points

def addExperience(player, scoreType, points):
	"""Adds the experience for points of a score type to the player."""
	gained = getExperience(scoreType, points)
	if gained > 0:
		player.score.experienceScore += gained

def getScoreSummary(player):
	"""The player's score as a dictionary, for the end of round screen."""
	s = player.score
	summary = {}
	summary['score'] = s.score
	summary['skill'] = s.skillScore
	summary['teamwork'] = s.rplScore
	summary['bonus'] = s.bonusScore
	summary['commander'] = s.cmdScore
	summary['kills'] = s.kills
	summary['deaths'] = s.deaths
	summary['teamkills'] = s.TKs
	summary['suicides'] = s.suicides
	summary['revives'] = s.revives
	summary['heals'] = s.heals
	summary['resupplies'] = s.ammos
	summary['repairs'] = s.repairs
	summary['captures'] = s.cpCaptures
	summary['defends'] = s.cpDefends
	return summary

def getBestPlayer(team, key):
	"""The player of the team with the highest value for the key."""
	best = None
	bestValue = 0
	for p in bf2.playerManager.getPlayers():
		if p.getTeam() != team: continue
		value = getScoreSummary(p).get(key, 0)
		if best == None or value > bestValue:
			best = p
			bestValue = value
	return best

def logRoundScores():
	"""Prints the best players of both teams when debugging is on."""
	if not g_debug: return
	for team in (1, 2):
		print "scoringCommon: team %d, titan parts destroyed: %d" % (team, getTitanScore(team))
		for key in ('score', 'kills', 'revives', 'repairs', 'captures'):
			best = getBestPlayer(team, key)
			if best != None:
				print "scoringCommon:   best %s: %s" % (key, best.getName())

def onTitanShieldsDown(titan, attacker):
	"""Pays the attacker and the defenders when a titan loses its shields."""
	if titan == None: return
	team = titan.getTeam()
	if attacker != None and attacker.getTeam() != team:
		addStrategicScore(attacker, SCORE_TITANSHIELDSDOWN)
	for player in bf2.playerManager.getPlayers():
		if player.isAlive():
			if player.getTeam() == team:
				if not player.isManDown():
					playerVehicle = player.getVehicle()
					rootVehicle = getRootParent(playerVehicle)
					if rootVehicle == titan:
						addScore(player, SCORE_TITANDEFEND, SCORE_TYPE_BONUS)
			else:
				if attacker != None and player != attacker:
					addScore(player, SCORE_STRATEGIC, SCORE_TYPE_STRATEGIC)

def getTeamScore(team):
	"""The sum of the scores of all players on the team."""
	total = 0
	for p in bf2.playerManager.getPlayers():
		if p.getTeam() == team:
			total += p.score.score
	return total

def getKillDeathRatio(player):
	"""Kills per death, or the kills alone for a player who never died."""
	s = player.score
	if s.deaths == 0:
		return float(s.kills)
	return float(s.kills) / s.deaths

def isRoundRunning():
	"""True while a round is being played and awards are paid."""
	return g_roundStarted

def getPlayerRank(player):
	"""The place of the player on its team's scoreboard, from 1."""
	rank = 1
	for p in bf2.playerManager.getPlayers():
		if p == player or p.getTeam() != player.getTeam(): continue
		if p.score.score > player.score.score:
			rank += 1
	return rank

def getCooldownLeft(player, table, cooldown):
	"""Seconds until the player can earn the same support award again."""
	return max(0.0, cooldown - (date() - table.get(player.index, 0.0)))

def getTitanScore(team):
	"""The number of enemy titan parts the team destroyed this round."""
	return g_titanScores.get(team, 0)

def getScoreTypeName(scoreType):
	"""The name of a score type, as the stats log writes it."""
	return SCORE_TYPE_NAMES.get(scoreType, "unknown")

def printScores():
	"""Prints every player's score, kills and deaths to the console."""
	# one line per player: name, score, kills and deaths, as the console shows it.
	for p in bf2.playerManager.getPlayers():
		s = p.score
		print "%-24s %5d %4d %4d" % (p.getName(), s.score, s.kills, s.deaths)

def date():
	return host.timer_getWallTime()
